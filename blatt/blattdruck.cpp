// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/blattdruck.h"

#include "blatt/blattmasse.h"
#include "blatt/maler.h"
#include "blatt/papierkurve.h"
#include "model/funktionstext.h"
#include "model/loesungsweg.h"
#include "model/zahltext.h"
#include "plot/anzeige.h"
#include "tasks/dateiinhalt.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

using namespace Blattmass;

namespace {

constexpr double Gitterstrich = 0.15, Achsenstrich = 0.3, Teilstrich = 0.2, Kurvenstrich = 0.45;
constexpr double Pfeillaenge = 3.9, Pfeilbreite = 1.9, Teilung = 1.7; // as the screen's 14, 7 and 6 pixels

void zeichneGitter(Maler& m, const Aufgabenplatz& platz, const Anzeigeoptionen& anzeige)
{
    m.stift(anzeige.NetzFarbe, Gitterstrich);
    for (double x = XMin; x <= XMax; ++x)
        m.linie(platz.Punkt(x, YMin), platz.Punkt(x, YMax));
    for (double y = YMin; y <= YMax; ++y)
        m.linie(platz.Punkt(XMin, y), platz.Punkt(XMax, y));
}

void zeichneAchsen(Maler& m, const Aufgabenplatz& platz, const Anzeigeoptionen& anzeige)
{
    m.stift(anzeige.AchsenFarbe, Achsenstrich);
    const QPointF rechts = platz.Punkt(XMax, 0) - QPointF(0.3, 0);
    const QPointF oben = platz.Punkt(0, YMax) + QPointF(0, 0.3);
    m.linie(platz.Punkt(XMin, 0), rechts);
    m.linie(rechts, rechts + QPointF(-Pfeillaenge, -Pfeilbreite));
    m.linie(rechts, rechts + QPointF(-Pfeillaenge, Pfeilbreite));
    m.linie(platz.Punkt(0, YMin), oben);
    m.linie(oben, oben + QPointF(-Pfeilbreite, Pfeillaenge));
    m.linie(oben, oben + QPointF(Pfeilbreite, Pfeillaenge));
}

// Ticks and numbers -7..7 and -5..5, none at the origin; each number's
// digits stand centred under (or beside) its tick, a minus sign before them.
void beschrifteAchsen(Maler& m, const Aufgabenplatz& platz, const Anzeigeoptionen& anzeige)
{
    m.stift(anzeige.AchsenFarbe, Teilstrich);
    m.schrift(Papierschrift(9));
    const QLocale deutsch(QLocale::German);
    for (int i = static_cast<int>(XMin) + 1; i < XMax; ++i) {
        if (i == 0)
            continue;
        const QPointF p = platz.Punkt(i, 0);
        m.linie(p - QPointF(0, Teilung), p + QPointF(0, Teilung));
        const QString zahl = Zahltext(i, deutsch);
        const double ziffern = m.breite(Zahltext(std::abs(i), deutsch));
        m.textAufWeiss(p + QPointF(ziffern / 2 - m.breite(zahl), Teilung + 0.8 + m.hoehe()), zahl);
    }
    for (int i = static_cast<int>(YMin) + 1; i < YMax; ++i) {
        if (i == 0)
            continue;
        const QPointF p = platz.Punkt(0, i);
        m.linie(p - QPointF(Teilung, 0), p + QPointF(Teilung, 0));
        const QString zahl = Zahltext(i, deutsch);
        m.textAufWeiss(p + QPointF(-Teilung - 1 - m.breite(zahl), m.hoehe() / 2), zahl);
    }
    m.schrift(Papierschrift(10, true));
    m.textAufWeiss(platz.Punkt(XMax, 0) + QPointF(-m.breite(QStringLiteral("x")) - 1, Teilung + 1 + m.hoehe()),
                   QStringLiteral("x"));
    m.textAufWeiss(platz.Punkt(0, YMax) + QPointF(-Teilung - 1.5 - m.breite(QStringLiteral("y")), m.hoehe() + 0.5),
                   QStringLiteral("y"));
}

// Draws what the sampling gave, even when it ended at an invalid operation.
bool zeichneKurve(Maler& m, const Aufgabenplatz& platz, const Kurve& kurve, const QColor& farbe)
{
    if (!IstTyp(kurve.Typ))
        return true;
    QPainterPath pfad;
    bool ganz = true;
    try {
        Papierkurve(kurve, platz.Ebene, pfad);
    } catch (const Rechenfehler&) {
        ganz = false;
    }
    m.painter().save();
    m.painter().setClipRect(Maler::geraet(platz.Ebene));
    m.stift(farbe, Kurvenstrich);
    m.painter().drawPath(QTransform::fromScale(Maler::geraet(1.0), Maler::geraet(1.0)).map(pfad));
    m.painter().restore();
    return ganz;
}

void zeichneAntwortzeile(Maler& m, const Aufgabenplatz& platz)
{
    m.schrift(Papierschrift(12));
    const QString anfang = QStringLiteral("f(x) =");
    m.painter().setPen(Qt::black);
    m.text(platz.Antwort(), anfang);
    m.stift(Qt::black, Teilstrich);
    m.linie(platz.Antwort() + QPointF(m.breite(anfang) + 2, 0.8), QPointF(platz.Ebene.right(), platz.Antwort().y() + 0.8));
}

void zeichneNummer(Maler& m, const Aufgabenplatz& platz, int nummer)
{
    m.schrift(Papierschrift(12, true));
    m.painter().setPen(Qt::black);
    const QString text = QStringLiteral("%1.").arg(nummer);
    m.text(QPointF(platz.Ebene.left() - 3 - m.breite(text), platz.Ebene.top() + m.hoehe()), text);
}

void zeichneUeberschrift(Maler& m, const QString& text)
{
    const double platz = SeitenBreite - 2 * RandSeitlich;
    double punkte = 14;
    m.schrift(Papierschrift(punkte, true));
    while (punkte > 7 && m.breite(text) > platz)
        m.schrift(Papierschrift(punkte -= 0.5, true));
    m.painter().setPen(Qt::black);
    const QString zeile = QFontMetricsF(m.painter().font(), m.painter().device())
                              .elidedText(text, Qt::ElideRight, Maler::geraet(platz));
    m.text(QPointF(RandSeitlich, RandOben + m.hoehe()), zeile);
}

// The summary wraps within the line it has under the answer.
void zeichneLoesungsweg(Maler& m, const Kurve& k, double grundlinie)
{
    const QLocale deutsch(QLocale::German);
    m.schrift(Papierschrift(9));
    const QRectF platz(RandSeitlich + 13, grundlinie + 1.2, SeitenBreite - 2 * RandSeitlich - 13, 2 * Zeilenabstand - 3);
    m.painter().drawText(Maler::geraet(platz), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                         BerechneLoesungsweg(k.Typ, k.P, deutsch).Zusammenfassung);
}

void zeichneLoesungen(Maler& m, const Arbeitsblatt& blatt, QPagedPaintDevice& seiten, int& seite, bool mitLoesungsweg)
{
    const std::vector<Loesungsplatz> plaetze =
        Loesungsplaetze(static_cast<int>(blatt.Aufgaben.size()), mitLoesungsweg ? 3 : 1);
    for (std::size_t i = 0; i < plaetze.size(); ++i) {
        if (plaetze[i].Seite != seite) {
            seiten.newPage();
            seite = plaetze[i].Seite;
            m.schrift(Papierschrift(14, true));
            m.painter().setPen(Qt::black);
            m.text(QPointF(RandSeitlich, RandOben + m.hoehe()), QStringLiteral("Lösungen"));
        }
        const Kurve& k = blatt.Aufgaben[i];
        const double y = plaetze[i].Grundlinie;
        m.schrift(Papierschrift(11, true));
        const QString nummer = QStringLiteral("%1.").arg(i + 1);
        m.text(QPointF(RandSeitlich + 10 - m.breite(nummer), y), nummer);
        m.schrift(Papierschrift(11));
        m.text(QPointF(RandSeitlich + 13, y), Loesungstext(k.Typ, k.P));
        if (IstTyp(k.Typ))
            m.text(QPointF(RandSeitlich + 125, y), Typname(k.Typ));
        if (mitLoesungsweg)
            zeichneLoesungsweg(m, k, y);
    }
}

} // namespace

// Drawn into memory first, so that the file is replaced whole or not at all.
QStringList SchreibeArbeitsblatt(const Arbeitsblatt& blatt, const QString& pfad, bool mitLoesungsweg)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    RichtePdfEin(writer, QPageLayout::Portrait, blatt.Ueberschrift);
    const std::optional<QStringList> fehler = ZeichneArbeitsblatt(blatt, writer, mitLoesungsweg);
    if (!fehler)
        throw Blattfehler(QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(pfad));
    if (const std::optional<QString> grund = SchreibeDateiinhalt(pfad, pdf.data()))
        throw Blattfehler(*grund);
    return *fehler;
}

std::optional<QStringList> ZeichneArbeitsblatt(const Arbeitsblatt& blatt, QPagedPaintDevice& seiten, bool mitLoesungsweg)
{
    QPainter painter;
    if (!painter.begin(&seiten))
        return std::nullopt;
    Maler m(painter);
    const Anzeigeoptionen anzeige;
    QStringList fehler;
    zeichneUeberschrift(m, blatt.Ueberschrift);
    const std::vector<Aufgabenplatz> plaetze = Aufgabenplaetze(static_cast<int>(blatt.Aufgaben.size()));
    int seite = 0;
    for (std::size_t i = 0; i < plaetze.size(); ++i) {
        if (plaetze[i].Seite != seite) {
            seiten.newPage();
            seite = plaetze[i].Seite;
        }
        const int nummer = static_cast<int>(i) + 1;
        zeichneNummer(m, plaetze[i], nummer);
        zeichneGitter(m, plaetze[i], anzeige);
        zeichneAchsen(m, plaetze[i], anzeige);
        beschrifteAchsen(m, plaetze[i], anzeige);
        if (!zeichneKurve(m, plaetze[i], blatt.Aufgaben[i], anzeige.VorgFarbe))
            fehler << QStringLiteral("Aufgabe %1: Ungültige Gleitkommaoperation.").arg(nummer);
        zeichneAntwortzeile(m, plaetze[i]);
    }
    if (blatt.MitLoesungen)
        zeichneLoesungen(m, blatt, seiten, seite, mitLoesungsweg);
    painter.end();
    return fehler;
}

void RichteDruckerEin(QPrinter& drucker, const QString& titel)
{
    drucker.setFullPage(true);
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    drucker.setDocName(titel);
    drucker.setCreator(QStringLiteral("Kurvix"));
}

QStringList DruckeArbeitsblatt(const Arbeitsblatt& blatt, QPrinter& drucker)
{
    drucker.setResolution(Aufloesung);
    const std::optional<QStringList> fehler = ZeichneArbeitsblatt(blatt, drucker);
    if (!fehler)
        throw Blattfehler(QStringLiteral("Das Arbeitsblatt kann nicht gedruckt werden: Der Drucker nimmt es nicht an."));
    return *fehler;
}
