// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/arbeitsblatt.h"

#include "tasks/zufall.h"
#include "testhilfe.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(BlattAusDatei, KommentarWirdUeberschriftUndJedeZeileEineAufgabe)
{
    const Arbeitsblatt blatt = BlattAusDatei(MitKopf("* Bemerkung\r\nParabeln verschoben\r\n3 6\r\n"
                                                     "3 1 2 -1\r\n\r\n6 2 -1 1 (-8;0,5) (1,5;8)\r\n"),
                                             QStringLiteral(","));
    EXPECT_EQ(blatt.Ueberschrift, QStringLiteral("Parabeln verschoben"));
    ASSERT_EQ(blatt.Aufgaben.size(), 2U);
    EXPECT_EQ(blatt.Aufgaben[0].Typ, Parabel2);
    EXPECT_EQ(blatt.Aufgaben[0].P, (ParameterSatz{{1, 2, -1, 0}}));
    EXPECT_EQ(blatt.Aufgaben[0].Sichtbar.Anzahl, 0);
    EXPECT_EQ(blatt.Aufgaben[1].Typ, Hyperbel);
    EXPECT_EQ(blatt.Aufgaben[1].Sichtbar.Anzahl, 2);
    EXPECT_EQ(blatt.Aufgaben[1].Sichtbar.Von[1], 1.5);
    EXPECT_FALSE(blatt.Aufgaben[1].Sprungtest) << "a given graph has no jump test";
    EXPECT_TRUE(blatt.Hinweise.isEmpty());
}

TEST(BlattAusDatei, FehlendeWerteWerdenMitIhrerNummerGemeldet)
{
    const Arbeitsblatt blatt = BlattAusDatei(MitKopf("K\r\n1\r\n1 2 3\r\n1 2\r\n"), QStringLiteral(","));
    EXPECT_EQ(blatt.Aufgaben.size(), 2U);
    EXPECT_EQ(blatt.Hinweise,
              QStringList{QStringLiteral("Aufgabe 2: Fehler! In der aktuellen Aufgabenzeile fehlen Daten!")});
}

struct Dateifehler {
    const char* inhalt; // after the first line; CR LF ends a line
    const char* meldung;
};

const Dateifehler Dateifehler_[] = {
    {"Kommentar\r\n3 3\r\n3 1 0 0\r\n", "Fehler in der Aufgabendatei: Funktionstyp ist mehrfach ausgewählt!"},
    {"Kommentar\r\n8\r\n3 1 0 0\r\n", "Fehler in der Aufgabendatei: Nummer eines Funktionstyps ist nicht erlaubt!"},
    {"Kommentar\r\n* nur Bemerkungen\r\n", "Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (Verwendete Funktionstypen-Daten fehlen)."},
    {"Kommentar\r\n3\r\n* nur Bemerkungen\r\n", "Die Aufgabendatei enthält keine Aufgabe."},
};

class DateifehlerTest : public ::testing::TestWithParam<Dateifehler> {};

TEST_P(DateifehlerTest, EndetMitDerMeldung)
{
    try {
        BlattAusDatei(MitKopf(GetParam().inhalt), QStringLiteral(","));
        FAIL() << "no error";
    } catch (const Blattfehler& fehler) {
        EXPECT_EQ(fehler.Text(), QString::fromUtf8(GetParam().meldung));
    }
}

INSTANTIATE_TEST_SUITE_P(Kopf, DateifehlerTest, ::testing::ValuesIn(Dateifehler_));

TEST(BlattAusDatei, EineFalscheErsteZeileIstKeinBlatt)
{
    EXPECT_THROW(BlattAusDatei("Kommentar\r\n3\r\n3 1 0 0\r\n", QStringLiteral(",")), Blattfehler);
}

TEST(Zufallsblatt, DieSaatMachtDasBlattWiederholbar)
{
    Zufallsgenerator erster, zweiter;
    erster.Saeen(42);
    zweiter.Saeen(42);
    const Arbeitsblatt a = Zufallsblatt(12, {Parabel2, Hyperbel}, Normal, erster);
    const Arbeitsblatt b = Zufallsblatt(12, {Parabel2, Hyperbel}, Normal, zweiter);
    ASSERT_EQ(a.Aufgaben.size(), 12U);
    std::set<int> typen;
    for (std::size_t i = 0; i < a.Aufgaben.size(); ++i) {
        EXPECT_EQ(a.Aufgaben[i].Typ, b.Aufgaben[i].Typ);
        EXPECT_EQ(a.Aufgaben[i].P, b.Aufgaben[i].P);
        EXPECT_EQ(a.Aufgaben[i].Sichtbar.Anzahl, 0);
        typen.insert(a.Aufgaben[i].Typ);
    }
    EXPECT_EQ(typen, (std::set<int>{Parabel2, Hyperbel}));
    EXPECT_EQ(a.Ueberschrift, QStringLiteral("Arbeitsblatt: Gib zu jedem Schaubild die Funktionsgleichung an!"));
}

TEST(Zufallsblatt, ZiehtWieDieUebung)
{
    // The scripted draws of a Gerade at difficulty 0: type, m, sign, c, t = 1
    // (a horizontal line), then c again.
    SkriptZufall zufall;
    zufall.zuege = {0, 4, 1, 20, 1, 13};
    const Arbeitsblatt blatt = Zufallsblatt(1, {Gerade}, SehrLeicht, zufall);
    ASSERT_EQ(blatt.Aufgaben.size(), 1U);
    EXPECT_EQ(blatt.Aufgaben[0].Typ, Gerade);
    EXPECT_EQ(blatt.Aufgaben[0].P, (ParameterSatz{{0, 1.5, 0, 0}}));
}

} // namespace
