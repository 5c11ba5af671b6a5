// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/auswertung.h"

#include "blatt/arbeitsblatt.h"
#include "blatt/tabellendruck.h"
#include "model/urteil.h"
#include "tasks/dateiinhalt.h"
#include "tasks/meldung.h"

#include <QDate>
#include <QDir>
#include <QLocale>

#include <algorithm>

namespace {

constexpr qsizetype AufgabenJeTabelle = 12;

std::vector<Protokollaufgabe> gewertet(const Testprotokoll& p)
{
    std::vector<Protokollaufgabe> test = Testaufgaben(p.Aufgaben);
    return test.empty() ? p.Aufgaben : test;
}

QString zeichen(const Protokollaufgabe& a)
{
    if (a.Offen())
        return QStringLiteral("–");
    return a.ErsterVersuchRichtig() ? QStringLiteral("✓") : QStringLiteral("✗");
}

QString anteil(const std::vector<Schuelerzeile>& zeilen, qsizetype spalte)
{
    int erreicht = 0, richtig = 0;
    for (const Schuelerzeile& z : zeilen) {
        const QString c = z.Zeichen.value(spalte);
        erreicht += c == QStringLiteral("✓") || c == QStringLiteral("✗");
        richtig += c == QStringLiteral("✓");
    }
    return erreicht == 0 ? QStringLiteral("–") : QStringLiteral("%1 %").arg(Prozent(richtig, erreicht));
}

// A field as a spreadsheet reads it: quoted when it holds the separator,
// a quote or a line break, and never taken for a formula.
QString csvFeld(QString text)
{
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r')))
        return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

QString csvZeile(const QStringList& felder)
{
    QStringList sicher;
    for (const QString& feld : felder)
        sicher << csvFeld(feld);
    return sicher.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

qsizetype spalten(const Uebersicht& u) { return u.Anteile.size(); }

QStringList summenfelder(const Schuelerzeile& z)
{
    return {z.Name, z.Klasse, QString::number(z.Summe.Anzahl), QString::number(z.Summe.Richtig),
            QString::number(z.Summe.Prozent)};
}

QStringList nummern(qsizetype von, qsizetype bis)
{
    QStringList n;
    for (qsizetype i = von; i < bis; ++i)
        n << QString::number(i + 1);
    return n;
}

Tabelle teiltabelle(const Uebersicht& u, qsizetype von, qsizetype bis)
{
    Tabelle t;
    if (spalten(u) > AufgabenJeTabelle)
        t.Ueberschrift = QStringLiteral("Aufgaben %1 bis %2").arg(von + 1).arg(bis);
    t.Breiten = {50, 18, 19, 14, 16};
    t.Breiten.insert(t.Breiten.end(), static_cast<std::size_t>(bis - von), 12);
    t.Koepfe = QStringList{QStringLiteral("Name"), QStringLiteral("Klasse"), QStringLiteral("Aufgaben"),
                           QStringLiteral("richtig"), QStringLiteral("Prozent")}
             + nummern(von, bis);
    for (const Schuelerzeile& z : u.Zeilen) {
        QStringList zeile = summenfelder(z);
        for (qsizetype i = von; i < bis; ++i)
            zeile << z.Zeichen.value(i, QStringLiteral("–"));
        t.Zeilen.push_back(zeile);
    }
    t.Zeilen.push_back(QStringList{QStringLiteral("beim ersten Versuch richtig"), {}, {}, {}, {}} + u.Anteile.mid(von, bis - von));
    return t;
}

} // namespace

QString Auswertungsdatei() { return QStringLiteral("auswertung.csv"); }

Uebersicht BaueUebersicht(const std::vector<Testprotokoll>& protokolle)
{
    Uebersicht u;
    qsizetype breiteste = 0;
    for (const Testprotokoll& p : protokolle) {
        const std::vector<Protokollaufgabe> aufgaben = gewertet(p);
        Schuelerzeile z{p.Name, p.Klasse, Zaehle(aufgaben), {}};
        for (const Protokollaufgabe& a : aufgaben)
            z.Zeichen << zeichen(a);
        breiteste = std::max(breiteste, z.Zeichen.size());
        u.Zeilen.push_back(z);
    }
    for (qsizetype i = 0; i < breiteste; ++i)
        u.Anteile << anteil(u.Zeilen, i);
    return u;
}

QByteArray UebersichtCsv(const Uebersicht& u)
{
    QString text = csvZeile(QStringList{QStringLiteral("Name"), QStringLiteral("Klasse"), QStringLiteral("Aufgaben"),
                                        QStringLiteral("richtig"), QStringLiteral("Prozent")}
                            + nummern(0, spalten(u)));
    for (const Schuelerzeile& z : u.Zeilen) {
        QStringList zeile = summenfelder(z);
        for (qsizetype i = 0; i < spalten(u); ++i)
            zeile << z.Zeichen.value(i, QStringLiteral("–"));
        text += csvZeile(zeile);
    }
    text += csvZeile(QStringList{QStringLiteral("beim ersten Versuch richtig"), {}, {}, {}, {}} + u.Anteile);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray UebersichtPdf(const Uebersicht& u)
{
    Tabellenblatt blatt;
    blatt.Lage = QPageLayout::Landscape;
    blatt.Titel = QStringLiteral("Klassenübersicht");
    blatt.Kopfzeilen = {QStringLiteral("%1 Testprotokolle, ausgewertet am %2")
                            .arg(u.Zeilen.size())
                            .arg(QLocale(QLocale::German).toString(QDate::currentDate(), QStringLiteral("dd.MM.yyyy"))),
                        QStringLiteral("✓ beim ersten Versuch richtig, ✗ falsch oder übersprungen, – nicht erreicht")};
    for (qsizetype von = 0; von < std::max<qsizetype>(spalten(u), 1); von += AufgabenJeTabelle)
        blatt.Tabellen.push_back(teiltabelle(u, von, std::min(von + AufgabenJeTabelle, spalten(u))));
    return Tabellenpdf(blatt);
}

std::vector<Testprotokoll> LiesProtokolle(const QStringList& pfade, QStringList& warnungen)
{
    std::vector<Testprotokoll> protokolle;
    for (const QString& pfad : pfade) {
        try {
            if (std::optional<Testprotokoll> p = LiesProtokoll(LiesDateiinhalt(pfad)))
                protokolle.push_back(std::move(*p));
            else
                warnungen << QStringLiteral("„%1“ ist kein Testprotokoll von Kurvix und wird übergangen.")
                                 .arg(QDir::toNativeSeparators(pfad));
        } catch (const Lesefehler& fehler) {
            warnungen << fehler.Text();
        }
    }
    return protokolle;
}

Auftragsergebnis ErstelleAuswertung(const Auswertungsauftrag& auftrag)
{
    Auftragsergebnis ergebnis;
    const std::vector<Testprotokoll> protokolle = LiesProtokolle(auftrag.Dateien, ergebnis.Meldungen);
    ergebnis.Status = 1;
    if (protokolle.empty()) {
        ergebnis.Meldungen << QStringLiteral("Keine der Dateien ist ein Testprotokoll; es entsteht keine Übersicht.");
        return ergebnis;
    }
    const Uebersicht uebersicht = BaueUebersicht(protokolle);
    const bool pdf = auftrag.Ausgabe.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    try {
        if (const std::optional<QString> fehler =
                SchreibeDateiinhalt(auftrag.Ausgabe, pdf ? UebersichtPdf(uebersicht) : UebersichtCsv(uebersicht))) {
            ergebnis.Meldungen << *fehler;
            return ergebnis;
        }
    } catch (const Blattfehler& fehler) {
        ergebnis.Meldungen << fehler.Text();
        return ergebnis;
    }
    ergebnis.Ausgabe << QStringLiteral("Übersicht über %1 Testprotokolle geschrieben: %2")
                            .arg(protokolle.size())
                            .arg(QDir::toNativeSeparators(auftrag.Ausgabe));
    ergebnis.Status = 0;
    return ergebnis;
}
