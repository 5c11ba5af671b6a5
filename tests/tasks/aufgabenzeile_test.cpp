// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabenzeile.h"

#include "testhilfe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Wortfall {
    const char* zeile;
    qsizetype vorher;
    const char* wort;
    qsizetype nachher;
};

const Wortfall Wortfaelle[] = {
    {"12 34", 1, "12", 4},
    {"12   34", 1, "12", 6},
    {"12 34", 4, "34", -1},
    {"12 34   ", 4, "34", -1},
    {"12 34", 2, "2", 4},
    {"12  34", 3, "34", -1},
    {"  ab", 1, "ab", -1},
    {"a\tb c", 1, "a\tb", 5},
    {"12", 3, "", -1},
    {"12", 9, "", -1},
    {"12", -1, "", -1},
    {"", 1, "", -1},
    {"   ", 1, "", -1},
};

class NaechstesWortTest : public ::testing::TestWithParam<Wortfall> {};

TEST_P(NaechstesWortTest, TrenntNurAmLeerzeichen)
{
    const Wortfall& f = GetParam();
    qsizetype position = f.vorher;
    EXPECT_EQ(NaechstesWort(QString::fromUtf8(f.zeile), position), QString::fromUtf8(f.wort));
    EXPECT_EQ(position, f.nachher);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, NaechstesWortTest, ::testing::ValuesIn(Wortfaelle));

constexpr const char* FehlendeDaten = "Fehler! In der aktuellen Aufgabenzeile fehlen Daten!";
constexpr const char* FalscherBereich = "Fehler! Bereichswahl in der aktuellen Aufgabenzeile fehlerhaft!";

struct Bereich {
    double von;
    double bis;
};

// A task line read with the decimal comma, and the task it gives. Only the
// parameters the type uses are compared.
struct Zeilenfall {
    const char* name;
    const char* zeile;
    int typ;
    std::vector<double> parameter;
    std::vector<Bereich> abschnitte;
    std::vector<const char*> meldungen;
};

const Zeilenfall Zeilenfaelle[] = {
    // The example tasks.
    {"NormalparabelVerschoben", "3 1 -2 1", Parabel2, {1, -2, 1}, {}, {}},
    {"ZweiAbschnitte", "3 -0,5 0 3 (-4;-1) (1;4)", Parabel2, {-0.5, 0, 3}, {{-4, -1}, {1, 4}}, {}},
    {"GeradeMitAbschnitt", "1 2 -3 (0;5)", Gerade, {2, -3}, {{0, 5}}, {}},
    // Too few parameters: the message once, the missing ones at their fallbacks.
    {"EinParameterZuWenig", "2 1", Betrag, {1, 0, 0}, {}, {FehlendeDaten}},
    {"NurDerTyp", "2", Betrag, {1, 0, 0}, {}, {FehlendeDaten}},
    {"SinusMitZweiVonVier", "5 2 3", Sinus, {2, 3, 0, 0}, {}, {FehlendeDaten}},
    // Sections.
    {"WortOhneKlammer", "1 2 -3 4", Gerade, {2, -3}, {}, {FalscherBereich}},
    {"Abschnitt", "3 1 0 0 (-2;2)", Parabel2, {1, 0, 0}, {{-2, 2}}, {}},
    {"VerkehrterAbschnitt", "3 1 0 0 (2;-2)", Parabel2, {1, 0, 0}, {{2, -2}}, {}},
    {"AnfangKeineZahl", "3 1 0 0 (a;2)", Parabel2, {1, 0, 0}, {{-8, 2}}, {}},
    {"EndeKeineZahl", "3 1 0 0 (1;b)", Parabel2, {1, 0, 0}, {{1, 8}}, {}},
    {"LeererAnfang", "3 1 0 0 (;2)", Parabel2, {1, 0, 0}, {}, {FalscherBereich}},
    {"LeeresEndeAmZeilenende", "3 1 0 0 (1;", Parabel2, {1, 0, 0}, {}, {FalscherBereich}},
    {"LeeresEnde", "3 1 0 0 (1;)", Parabel2, {1, 0, 0}, {}, {FalscherBereich}},
    {"KlammerFehlt", "3 1 0 0 (1;2", Parabel2, {1, 0, 0}, {}, {FalscherBereich}},
    {"LeerzeichenStattSemikolon", "3 1 0 0 (1 2)", Parabel2, {1, 0, 0}, {}, {FalscherBereich}},
    {"KlammerAufFehlt", "3 1 0 0 1;2)", Parabel2, {1, 0, 0}, {}, {FalscherBereich}},
    {"DritterAbschnittZaehltNicht", "3 1 0 0 (1;2) (3;4) (5;6)", Parabel2, {1, 0, 0}, {{1, 2}, {3, 4}}, {}},
    {"FehlerNachErstemAbschnitt", "3 1 0 0 (1;2) x (5;6)", Parabel2, {1, 0, 0}, {{1, 2}}, {FalscherBereich}},
    {"ZeichenNachDerKlammer", "3 1 0 0 (1;2)abc (3;4)", Parabel2, {1, 0, 0}, {{1, 2}, {3, 4}}, {}},
    {"DezimalzahlenImAbschnitt", "3 1 0 0 (-1,5;2,5E1)", Parabel2, {1, 0, 0}, {{-1.5, 25}}, {}},
    {"LeerzeichenImAbschnitt", "3 1 0 0 (-2; 2)", Parabel2, {1, 0, 0}, {{-2, 2}}, {FalscherBereich}},
    {"LeerzeichenZwischenWorten", "1  2   -3    (0;5)   ", Gerade, {2, -3}, {{0, 5}}, {}},
    // Unreadable numbers take their fallbacks without a message.
    {"TypKeineZahl", "x 2 3", Gerade, {2, 3}, {}, {}},
    {"ParameterKeineZahlen", "3 a b c", Parabel2, {1, 0, 0}, {}, {}},
    {"SinusParameterKeineZahlen", "5 x y z w", Sinus, {1, 0, 0, 0}, {}, {}},
    {"Zahlschreibweisen", "7 1,5E1 +2 -1e-1", Exponential, {15, 2, -0.1}, {}, {}},
    {"PunktIstKeinTrenner", "3 0.5 1 2", Parabel2, {1, 1, 2}, {}, {}},
    // A tab or a bare line feed is part of a word.
    {"TabImParameter", "3 2\t1 0 0", Parabel2, {1, 0, 0}, {}, {}},
    {"TabImTyp", "3\t1 2 3 4", Gerade, {2, 3}, {}, {FalscherBereich}},
    {"ZeilenvorschubImWort", "2 1 0\n3 1 0 0", Betrag, {1, 0, 1}, {}, {FalscherBereich}},
    // A type number outside 1..7 gives a task without a graph.
    {"TypNull", "0 1 2", KeinTyp, {}, {}, {}},
    {"TypAcht", "8 1 2 3 (1;2)", KeinTyp, {}, {}, {}},
    {"TypNegativ", "-2147483648 1 2", KeinTyp, {}, {}, {}},
};

class AufgabenzeileTest : public ::testing::TestWithParam<Zeilenfall> {};

TEST_P(AufgabenzeileTest, GibtTypParameterAbschnitteUndMeldungen)
{
    const Zeilenfall& f = GetParam();
    const Dateiaufgabe aufgabe = LiesAufgabenzeile(QString::fromUtf8(f.zeile), u",");
    EXPECT_EQ(aufgabe.Typ, f.typ);
    for (std::size_t i = 0; i < f.parameter.size(); ++i)
        EXPECT_EQ(aufgabe.Parameter[static_cast<int>(i)], f.parameter[i]) << "P" << i + 1;
    ASSERT_EQ(aufgabe.Abschnitte.Anzahl, static_cast<int>(f.abschnitte.size()));
    for (std::size_t i = 0; i < f.abschnitte.size(); ++i) {
        EXPECT_EQ(aufgabe.Abschnitte.Von[i], f.abschnitte[i].von) << "section " << i + 1;
        EXPECT_EQ(aufgabe.Abschnitte.Bis[i], f.abschnitte[i].bis) << "section " << i + 1;
    }
    std::vector<Meldung> meldungen;
    for (const char* text : f.meldungen)
        meldungen.push_back({Meldung::Art::Hinweis, QString::fromUtf8(text)});
    EXPECT_EQ(aufgabe.Meldungen, meldungen);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, AufgabenzeileTest, ::testing::ValuesIn(Zeilenfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// The numbers that took their fallbacks, noted in the order of the line.
struct Ersatzfall {
    const char* name;
    const char* zeile;
    std::vector<Ersatzwert> ersetzt;
};

using Stelle = Ersatzwert::Stelle;

const Ersatzfall Ersatzfaelle[] = {
    {"AllesLesbar", "5 1 2 -3 4 (-1;1,5) (2;3)", {}},
    {"Typ", "x 2 3", {{Stelle::Typ, 0, "x"}}},
    {"TypAusserhalbIstKeinErsatz", "9 a b", {}},
    {"Parameter", "3 0.5 1 c", {{Stelle::Parameter, 0, "0.5"}, {Stelle::Parameter, 2, "c"}}},
    {"FehlenderParameterIstKeinErsatz", "5 2 x", {{Stelle::Parameter, 1, "x"}}},
    {"Grenzen", "1 1 0 (a;2) (1;\tb)", {{Stelle::Anfang, 0, "a"}, {Stelle::Ende, 1, "\tb"}}},
    {"BeideGrenzenEinesAbschnitts", "1 1 0 (1;2) (,,;--)", {{Stelle::Anfang, 1, ",,"}, {Stelle::Ende, 1, "--"}}},
    {"DritterAbschnittZaehltNicht", "1 1 0 (1;2) (3;4) (a;b)", {}},
    {"NachBereichsfehler", "1 1 0 x (a;b)", {}},
    {"AllesInEinerZeile",
     "x y 0 (z;1)",
     {{Stelle::Typ, 0, "x"}, {Stelle::Parameter, 0, "y"}, {Stelle::Anfang, 0, "z"}}},
};

class ErsatzTest : public ::testing::TestWithParam<Ersatzfall> {};

TEST_P(ErsatzTest, NotiertJedenErsatzwert)
{
    EXPECT_EQ(LiesAufgabenzeile(QString::fromUtf8(GetParam().zeile), u",").Ersetzt, GetParam().ersetzt);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, ErsatzTest, ::testing::ValuesIn(Ersatzfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
