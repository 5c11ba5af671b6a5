// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/auswertung.h"

#include "auftraege/klassenuebersicht.h"
#include "blatt/arbeitsblatt.h"
#include "blatt/protokolldruck.h"
#include "model/urteil.h"
#include "tasks/dateiinhalt.h"
#include "tasks/meldung.h"

#include <QDate>
#include <QDir>
#include <QHash>
#include <QLocale>

#include <algorithm>

namespace {

constexpr qsizetype AufgabenJeTabelle = 12;

std::vector<Protokollaufgabe> gewertet(const Testprotokoll& p)
{
    std::vector<Protokollaufgabe> test = Testaufgaben(p.Aufgaben);
    return test.empty() ? p.Aufgaben : test;
}

struct Spaltenzahl {
    int erreicht = 0;
    int richtig = 0;
};

Spaltenzahl zaehleSpalte(const std::vector<Schuelerzeile>& zeilen, qsizetype spalte)
{
    Spaltenzahl n;
    for (const Schuelerzeile& z : zeilen) {
        const QString c = z.Zeichen.value(spalte);
        n.erreicht += c == QStringLiteral("✓") || c == QStringLiteral("✗");
        n.richtig += c == QStringLiteral("✓");
    }
    return n;
}

QString anteil(const std::vector<Schuelerzeile>& zeilen, qsizetype spalte)
{
    const Spaltenzahl n = zaehleSpalte(zeilen, spalte);
    return n.erreicht == 0 ? QStringLiteral("–") : QStringLiteral("%1 %").arg(Prozent(n.richtig, n.erreicht));
}

QString vergleichsname(const QString& name) { return name.simplified().toCaseFolded(); }

void markiereDoppelte(std::vector<Schuelerzeile>& zeilen)
{
    QHash<QString, int> anzahl;
    for (const Schuelerzeile& z : zeilen)
        ++anzahl[vergleichsname(z.Name)];
    for (Schuelerzeile& z : zeilen)
        z.Doppelt = anzahl.value(vergleichsname(z.Name)) > 1;
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

// The record's data stand at the file's beginning, so a file cut short on
// its way (a broken download, a full stick) may still hold them; its end
// is missing, as a PDF viewer would find: "%%EOF" in the last kilobyte.
bool abgeschnitten(const QByteArray& pdf) { return !pdf.right(1024).contains("%%EOF"); }

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
            z.Zeichen << Versuchszeichen(a);
        breiteste = std::max(breiteste, z.Zeichen.size());
        u.Zeilen.push_back(z);
    }
    for (qsizetype i = 0; i < breiteste; ++i)
        u.Anteile << anteil(u.Zeilen, i);
    markiereDoppelte(u.Zeilen);
    return u;
}

std::optional<qsizetype> SchwersteAufgabe(const Uebersicht& u)
{
    std::optional<qsizetype> schwerste;
    Spaltenzahl bisher;
    for (qsizetype i = 0; i < spalten(u); ++i) {
        const Spaltenzahl n = zaehleSpalte(u.Zeilen, i);
        // richtig / erreicht < bisher.richtig / bisher.erreicht, without rounding
        if (n.erreicht > 0 && (!schwerste || n.richtig * bisher.erreicht < bisher.richtig * n.erreicht)) {
            schwerste = i;
            bisher = n;
        }
    }
    return schwerste;
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

Tabellenblatt UebersichtBlatt(const Uebersicht& u)
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
    return blatt;
}

QByteArray UebersichtPdf(const Uebersicht& u) { return Tabellenpdf(UebersichtBlatt(u)); }

std::vector<Testprotokoll> LiesProtokolle(const QStringList& pfade, QStringList& warnungen)
{
    std::vector<Testprotokoll> protokolle;
    for (const QString& pfad : pfade) {
        try {
            const QByteArray inhalt = LiesDateiinhalt(pfad);
            std::optional<Testprotokoll> p = LiesProtokoll(inhalt);
            if (!p)
                warnungen << QStringLiteral("„%1“ ist kein Testprotokoll von Kurvix und wird übergangen.")
                                 .arg(QDir::toNativeSeparators(pfad));
            else if (abgeschnitten(inhalt))
                warnungen << QStringLiteral("„%1“ ist abgeschnitten oder beschädigt und wird übergangen.")
                                 .arg(QDir::toNativeSeparators(pfad));
            else
                protokolle.push_back(std::move(*p));
        } catch (const Lesefehler& fehler) {
            warnungen << fehler.Text();
        }
    }
    return protokolle;
}

Auftragsergebnis ErstelleAuswertung(const Auswertungsauftrag& auftrag)
{
    Auftragsergebnis ergebnis;
    Protokollsammlung sammlung;
    sammlung.FuegeHinzu(auftrag.Dateien);
    ergebnis.Meldungen = sammlung.Abgelehnt();
    const std::vector<Testprotokoll>& protokolle = sammlung.Protokolle();
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
