// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class overview from the records of a class.

#include "auftraege/auswertung.h"
#include "auftraege/klassenuebersicht.h"
#include "blatt/protokolldruck.h"
#include "testhilfe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

Protokollaufgabe aufgabe(bool test, char verlauf)
{
    Protokollaufgabe a{test, Gerade, {{2, 1, 0, 0}}, {}, {}, verlauf == 'S'};
    if (verlauf != 'S' && verlauf != 'O')
        a.Antworten = {{Gerade, {{2, 1, 0, 0}}, verlauf == 'R'}};
    return a;
}

// One letter per task: R right at once, F wrong, S skipped, O open; a
// lower-case letter is a task of a task file.
Testprotokoll protokoll(const char* name, const char* klasse, const char* verlauf)
{
    Testprotokoll p{QString::fromUtf8(name), QString::fromUtf8(klasse), QDateTime(QDate(2026, 12, 9), QTime(9, 0)),
                    QStringLiteral("Test"), QStringLiteral("0.1.0"), {}};
    for (const char* c = verlauf; *c != '\0'; ++c)
        p.Aufgaben.push_back(aufgabe(std::isupper(*c) != 0, static_cast<char>(std::toupper(*c))));
    return p;
}

TEST(Auswertung, EineZeileJeSchuelerUndDieAnteile)
{
    const Uebersicht u = BaueUebersicht({protokoll("Ada", "10b", "RFSO"), protokoll("Bö; \"Bo\"", "", "rfR"),
                                         protokoll("=Ede", "10b", "fffr")});
    const QByteArray erwartet = "\xEF\xBB\xBF"
                                "Name;Klasse;Aufgaben;richtig;Prozent;1;2;3;4\r\n"
                                "Ada;10b;3;1;33;✓;✗;✗;–\r\n"
                                "\"Bö; \"\"Bo\"\"\";;1;1;100;✓;–;–;–\r\n"
                                "'=Ede;10b;4;1;25;✗;✗;✗;✓\r\n"
                                "beim ersten Versuch richtig;;;;;66 %;0 %;0 %;100 %\r\n";
    EXPECT_EQ(UebersichtCsv(u), erwartet);
}

QString schreibe(const QTemporaryDir& ordner, const char* name, const QByteArray& inhalt)
{
    QFile datei(ordner.filePath(QString::fromUtf8(name)));
    EXPECT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
    return datei.fileName();
}

TEST(Auswertung, FremdeUndKaputteDateienWerdenUebergangen)
{
    QTemporaryDir ordner;
    const QByteArray echt = ProtokollPdf(protokoll("Ada", "10b", "RF"));
    const auto schreibe = [&](const char* name, const QByteArray& inhalt) { return ::schreibe(ordner, name, inhalt); };
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
    const QString ada = schreibe(ordner, "klasse/Ada.PDF", ProtokollPdf(protokoll("Ada", "10b", "RF")));
    const QString kopie = schreibe(ordner, "klasse/b kopie.pdf", ProtokollPdf(protokoll("Ada", "10b", "RF")));
    const QString bo = schreibe(ordner, "klasse/c.pdf", ProtokollPdf(protokoll("Bo", "10b", "R")));
    schreibe(ordner, "klasse/notizen.txt", "kein PDF");
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
    QFile geschrieben(csv);
    ASSERT_TRUE(geschrieben.open(QIODevice::ReadOnly));
    EXPECT_EQ(geschrieben.readAll().count("\r\n"), 4) << "header, two pupils, the shares";
}

// Same names are both kept and marked, read as a teacher reads them; the
// hardest task is the one with the smallest exact share of those who
// reached it.
TEST(Auswertung, DoppelteNamenUndSchwersteAufgabe)
{
    const Uebersicht u = BaueUebersicht({protokoll("Jürgen Ölmann", "10b", "RRFF"), protokoll(" jürgen  ÖLMANN", "10b", "RFRO"),
                                         protokoll("Ada", "10b", "FRRO")});
    std::vector<bool> doppelt;
    for (const Schuelerzeile& z : u.Zeilen)
        doppelt.push_back(z.Doppelt);
    EXPECT_EQ(doppelt, (std::vector<bool>{true, true, false}));
    // shares 2/3, 2/3, 2/3, 0/1: the fourth, though the third is also below 100 %
    EXPECT_EQ(SchwersteAufgabe(u), 3);
    EXPECT_EQ(SchwersteAufgabe(BaueUebersicht({protokoll("Ada", "", "RFR"), protokoll("Bo", "", "FRF")})), 0)
        << "three times 1/2: the first";
    EXPECT_EQ(SchwersteAufgabe(BaueUebersicht({protokoll("Ada", "", "OO")})), std::nullopt);
}

struct Reihenfolge {
    int spalte;
    const char* vorn;   // name, class or mark of the row that comes first
    const char* hinten;
    int vornWert = 0, hintenWert = 0; // the figure of the column, when it is one
};

void PrintTo(const Reihenfolge& r, std::ostream* aus) { *aus << r.spalte << ' ' << r.vorn << " < " << r.hinten; }

class SortierungTest : public ::testing::TestWithParam<Reihenfolge> {};

Schuelerzeile zeile(const Reihenfolge& r, bool vorn)
{
    const QString text = QString::fromUtf8(vorn ? r.vorn : r.hinten);
    const int wert = vorn ? r.vornWert : r.hintenWert;
    Schuelerzeile z{text, text, {wert, wert, wert}, {}};
    z.Zeichen = QStringList{QStringLiteral("✓"), text};
    return z;
}

TEST_P(SortierungTest, AufsteigendWieEineLehrkraftSortiert)
{
    const Schuelerzeile a = zeile(GetParam(), true), b = zeile(GetParam(), false);
    EXPECT_TRUE(SortiertVor(a, b, GetParam().spalte));
    EXPECT_FALSE(SortiertVor(b, a, GetParam().spalte));
}

INSTANTIATE_TEST_SUITE_P(Spalten, SortierungTest,
                         ::testing::Values(Reihenfolge{SpalteName, "Oberle", "Ölmann"}, Reihenfolge{SpalteName, "Ölmann", "Peters"},
                                           Reihenfolge{SpalteName, "ada", "Bo"}, Reihenfolge{SpalteKlasse, "9a", "10a"},
                                           Reihenfolge{SpalteAufgaben, "", "", 9, 10},
                                           Reihenfolge{SpalteRichtig, "", "", 2, 3},
                                           Reihenfolge{SpalteProzent, "", "", 9, 10},
                                           Reihenfolge{ErsteAufgabe + 1, "–", "✗"},
                                           Reihenfolge{ErsteAufgabe + 1, "✗", "✓"}));

} // namespace
