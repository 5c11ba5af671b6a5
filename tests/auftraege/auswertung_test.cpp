// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class overview from the records of a class.

#include "auftraege/auswertung.h"
#include "auftraege/klassenuebersicht.h"
#include "blatt/protokolldruck.h"
#include "tasks/dateiinhalt.h"
#include "testhilfe.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(Auswertung, EineZeileJeSchuelerUndDieAnteile)
{
    const Uebersicht u = BaueUebersicht({Protokoll("Ada", "10b", "RFSO"), Protokoll("Bö; \"Bo\"", "", "rfR"),
                                         Protokoll("=Ede", "10b", "fffr")});
    const QByteArray erwartet = "\xEF\xBB\xBF"
                                "Name;Klasse;Aufgaben;richtig;Prozent;1;2;3;4\r\n"
                                "Ada;10b;3;1;33;✓;✗;✗;–\r\n"
                                "\"Bö; \"\"Bo\"\"\";;1;1;100;✓;–;–;–\r\n"
                                "'=Ede;10b;4;1;25;✗;✗;✗;✓\r\n"
                                "beim ersten Versuch richtig;;;;;66 %;0 %;0 %;100 %\r\n";
    EXPECT_EQ(UebersichtCsv(u), erwartet);
}

TEST(Auswertung, FremdeUndKaputteDateienWerdenUebergangen)
{
    QTemporaryDir ordner;
    const QByteArray echt = ProtokollPdf(Protokoll("Ada", "10b", "RF"));
    const auto schreibe = [&](const char* name, const QByteArray& inhalt) { return SchreibeDatei(ordner, name, inhalt); };
    const QStringList pfade{schreibe("echt.pdf", echt), schreibe("fremd.pdf", "%PDF-1.4\n%%EOF\n"),
                            schreibe("halb.pdf", echt.left(echt.indexOf("urn:kurvix:testprotokoll") + 200)),
                            schreibe("ohne Ende.pdf", echt.left(echt.size() / 2)), ordner.filePath(QStringLiteral("fehlt.pdf"))};
    QStringList warnungen;
    const std::vector<Testprotokoll> gelesen = LiesProtokolle(pfade, warnungen);
    ASSERT_EQ(gelesen.size(), 1u);
    EXPECT_EQ(gelesen[0].Name, QStringLiteral("Ada"));
    ASSERT_EQ(warnungen.size(), 4) << warnungen.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(warnungen[0], QStringLiteral("„%1“ ist kein Testprotokoll von Kurvix und wird übergangen.").arg(pfade[1]));
    EXPECT_TRUE(warnungen[1].startsWith(QStringLiteral("„%1“ ist kein").arg(pfade[2])));
    EXPECT_EQ(warnungen[2], QStringLiteral("„%1“ ist abgeschnitten oder beschädigt und wird übergangen.").arg(pfade[3]))
        << "its data are whole, its end is missing";
    EXPECT_TRUE(warnungen[3].contains(QStringLiteral("fehlt.pdf")));
}

// A record handed in twice, or copied under another name, counts once, in
// the window and on the command line alike; a folder gives its PDF files.
TEST(Auswertung, JedesProtokollZaehltEinmal)
{
    QTemporaryDir ordner;
    ASSERT_TRUE(QDir(ordner.path()).mkpath(QStringLiteral("klasse/unter.pdf")));
    const QString ada = SchreibeDatei(ordner, "klasse/Ada.PDF", ProtokollPdf(Protokoll("Ada", "10b", "RF")));
    const QString kopie = SchreibeDatei(ordner, "klasse/b kopie.pdf", ProtokollPdf(Protokoll("Ada", "10b", "RF")));
    const QString bo = SchreibeDatei(ordner, "klasse/c.pdf", ProtokollPdf(Protokoll("Bo", "10b", "R")));
    SchreibeDatei(ordner, "klasse/notizen.txt", "kein PDF");
    const QStringList pfade = Protokollpfade({ordner.filePath(QStringLiteral("klasse")), ada});
    EXPECT_EQ(pfade, (QStringList{ada, kopie, bo, ada}));

    Protokollsammlung sammlung;
    sammlung.FuegeHinzu(pfade);
    ASSERT_EQ(sammlung.Protokolle().size(), 2u);
    EXPECT_EQ(sammlung.Protokolle()[1].Name, QStringLiteral("Bo"));
    EXPECT_EQ(sammlung.Abgelehnt(),
              (QStringList{QStringLiteral("„%1“ ist dasselbe Testprotokoll wie „%2“ und zählt nur einmal.").arg(kopie, ada),
                           QStringLiteral("„%1“ ist schon in der Übersicht.").arg(ada)}));

    const QString csv = ordner.filePath(QStringLiteral("klasse.csv"));
    const Auftragsergebnis ergebnis = ErstelleAuswertung({pfade, csv});
    EXPECT_EQ(ergebnis.Status, 0);
    EXPECT_EQ(ergebnis.Meldungen, sammlung.Abgelehnt());
    EXPECT_EQ(LiesDateiinhalt(csv).count("\r\n"), 4) << "header, two pupils, the shares";
}

// Same names are both kept and marked, read as a teacher reads them; the
// hardest task is the one with the smallest exact share of those who
// reached it.
TEST(Auswertung, DoppelteNamenUndSchwersteAufgabe)
{
    const Uebersicht u = BaueUebersicht({Protokoll("Jürgen Ölmann", "10b", "RRFF"), Protokoll(" jürgen  ÖLMANN", "10b", "RFRO"),
                                         Protokoll("Ada", "10b", "FRRO")});
    std::vector<bool> doppelt;
    for (const Schuelerzeile& z : u.Zeilen)
        doppelt.push_back(z.Doppelt);
    EXPECT_EQ(doppelt, (std::vector<bool>{true, true, false}));
    // shares 2/3, 2/3, 2/3, 0/1: the fourth, though the third is also below 100 %
    EXPECT_EQ(SchwersteAufgabe(u), 3);
    EXPECT_EQ(SchwersteAufgabe(BaueUebersicht({Protokoll("Ada", "", "RFR"), Protokoll("Bo", "", "FRF")})), 0)
        << "three times 1/2: the first";
    EXPECT_EQ(SchwersteAufgabe(BaueUebersicht({Protokoll("Ada", "", "OO")})), std::nullopt);
    const std::vector<Testprotokoll> klasse(80, Protokoll("Ada", "10b", "R"));
    EXPECT_EQ(UebersichtPdf(BaueUebersicht(klasse)).count("/Type /Page\n"), 3) << "80 rows of 6 mm go on three pages";
}

// Ascending, as a teacher sorts: each pair in its order, never the other way.
TEST(Auswertung, SortiertWieEineLehrkraft)
{
    const auto zeile = [](const char* text, int wert) {
        return Schuelerzeile{QString::fromUtf8(text), QString::fromUtf8(text), {wert, wert, wert}, {QStringLiteral("✓"), QString::fromUtf8(text)}};
    };
    const std::tuple<int, const char*, const char*, int, int> paare[] = {
        {SpalteName, "Oberle", "Ölmann", 0, 0},  {SpalteName, "Ölmann", "Peters", 0, 0}, {SpalteName, "ada", "Bo", 0, 0},
        {SpalteKlasse, "9a", "10a", 0, 0},       {SpalteAufgaben, "", "", 9, 10},        {SpalteRichtig, "", "", 2, 3},
        {SpalteProzent, "", "", 9, 10},          {ErsteAufgabe + 1, "–", "✗", 0, 0},     {ErsteAufgabe + 1, "✗", "✓", 0, 0}};
    for (const auto& [spalte, vorn, hinten, vornWert, hintenWert] : paare) {
        EXPECT_TRUE(SortiertVor(zeile(vorn, vornWert), zeile(hinten, hintenWert), spalte)) << spalte << vorn;
        EXPECT_FALSE(SortiertVor(zeile(hinten, hintenWert), zeile(vorn, vornWert), spalte)) << spalte << vorn;
        EXPECT_FALSE(SortiertVor(zeile(vorn, vornWert), zeile(vorn, vornWert), spalte)) << "strict, as sorting needs";
    }
}

} // namespace
