// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/zufallsaufgabe.h"

#include "tasks/zufall.h"
#include "testhilfe.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <utility>

namespace {

// R(n) answered with a value.
struct Zug {
    int n;
    int wert;
};

struct Skript {
    const char* fall;
    int typ;
    int grad;
    std::vector<Zug> zuege;
    ParameterSatz erwartet;
};

void PrintTo(const Skript& s, std::ostream* aus) { *aus << s.fall; }

class SkriptTest : public ::testing::TestWithParam<Skript> {};

// Every draw is asked with the range and in the order of the rule: the n
// of each R(n) must match, and the script must be used up.
TEST_P(SkriptTest, ZiehtInDerVorgeschriebenenFolge)
{
    const Skript& s = GetParam();
    SkriptZufall zufall;
    std::vector<int> ns;
    for (const Zug& z : s.zuege) {
        zufall.zuege.push_back(z.wert);
        ns.push_back(z.n);
    }
    EXPECT_EQ(ZieheParameter(s.typ, s.grad, zufall), s.erwartet);
    EXPECT_EQ(zufall.gefragt, ns);
}

// Parameters: Gerade m, c; Betrag, Parabel2, Parabel3, Hyperbel a, d, c;
// Sinus a, k, d, c; Exponential a, b, c.
const Skript Skripte[] = {
    // Gerade: m = R(18)/2 - 1.5 with -0.5, -1, -1.5 mapped, times ±1;
    // c from R(33) when |m| >= 1, else from R(21).
    {"GeradeMinusEinhalbWirdEinhalb", Gerade, Normal, {{18, 2}, {2, 0}, {21, 3}}, {{-0.5, -3.5}}},
    {"GeradeMinusEinsWirdEinViertel", Gerade, Normal, {{18, 1}, {2, 1}, {21, 20}}, {{0.25, 5}}},
    {"GeradeMinusAnderthalbWirdEinAchtel", Gerade, Normal, {{18, 0}, {2, 0}, {21, 0}}, {{-0.125, -5}}},
    {"GeradeSteilMitWeitemAchsenabschnitt", Gerade, Normal, {{18, 17}, {2, 0}, {33, 32}}, {{-7, 8}}},
    {"GeradeSteigungMinusEinsIstSteil", Gerade, Normal, {{18, 5}, {2, 0}, {33, 0}}, {{-1, -8}}},
    {"GeradeAnderthalb", Gerade, Leicht, {{18, 6}, {2, 1}, {33, 16}}, {{1.5, 0}}},
    // m = 0: c is drawn again from R(21), at least once, until it is not 0.
    {"GeradeWaagrechtBisCNichtNull", Gerade, Normal, {{18, 3}, {2, 1}, {21, 10}, {21, 10}, {21, 11}}, {{0, 0.5}}},
    {"GeradeWaagrechtImmerNeu", Gerade, Normal, {{18, 3}, {2, 0}, {21, 0}, {21, 20}}, {{0, 5}}},
    // Difficulty 0: R(2) = 0 makes y = x + c, R(2) = 1 a horizontal line.
    {"GeradeSehrLeichtSteigungEins", Gerade, SehrLeicht, {{18, 17}, {2, 1}, {33, 30}, {2, 0}}, {{1, 7}}},
    {"GeradeSehrLeichtWaagrecht", Gerade, SehrLeicht, {{18, 17}, {2, 1}, {33, 32}, {2, 1}, {21, 10}, {21, 12}},
     {{0, 1}}},

    // Betrag, Parabel2, Parabel3: d, c from R(21); a: R(3) = 0 picks from
    // 0.5, -0.5, 0.25, -0.25, 0.125, -0.125, else R(6) (0 → 1.5) times ±1;
    // a again until |a + c| < 6.
    {"BetragKleineStreckung", Betrag, Normal, {{21, 0}, {21, 20}, {3, 0}, {6, 3}}, {{-0.25, -5, 5}}},
    {"BetragErsteKleineStreckung", Betrag, Normal, {{21, 3}, {21, 4}, {3, 0}, {6, 0}}, {{0.5, -3.5, -3}}},
    {"Parabel3LetzteKleineStreckung", Parabel3, Normal, {{21, 1}, {21, 9}, {3, 0}, {6, 5}}, {{-0.125, -4.5, -0.5}}},
    {"Parabel2StreckungBisImBild", Parabel2, Normal,
     {{21, 10}, {21, 20}, {3, 1}, {6, 0}, {2, 1}, {3, 2}, {6, 1}, {2, 1}, {3, 2}, {6, 5}, {2, 0}},
     {{-5, 0, 5}}},
    // Reduction: r = R(n) + 1 keeps one position; at difficulty 1
    // v = R(n) + 1, again until v differs from r, keeps a second.
    {"BetragSehrLeichtBehaeltD", Betrag, SehrLeicht, {{21, 14}, {21, 2}, {3, 2}, {6, 2}, {2, 1}, {3, 1}},
     {{1, 2, 0}}},
    {"Parabel2SehrLeichtBehaeltC", Parabel2, SehrLeicht, {{21, 14}, {21, 2}, {3, 2}, {6, 2}, {2, 1}, {3, 2}},
     {{1, 0, -4}}},
    {"Parabel2LeichtBehaeltAUndC", Parabel2, Leicht,
     {{21, 14}, {21, 2}, {3, 2}, {6, 3}, {2, 1}, {3, 0}, {3, 0}, {3, 2}}, {{3, 0, -4}}},

    // Sinus: d = R(11) - 5, k = R(4) (0 → 0.5), c = R(11) - 5, then
    // a = R(2·(6 - |c|)) · (±1) / 2 until a is not 0.
    {"SinusAmRandNurEinhalb", Sinus, Normal, {{11, 0}, {4, 0}, {11, 10}, {2, 0}, {2, 1}, {2, 1}, {2, 0}},
     {{-0.5, 0.5, -5, 5}}},
    {"SinusGroessteAmplitude", Sinus, Normal, {{11, 7}, {4, 3}, {11, 5}, {12, 11}, {2, 1}}, {{5.5, 3, 2, 0}}},
    {"SinusUnterDerAchse", Sinus, Normal, {{11, 4}, {4, 1}, {11, 2}, {6, 5}, {2, 1}}, {{2.5, 1, -1, -3}}},
    {"SinusSehrLeichtBehaeltK", Sinus, SehrLeicht, {{11, 9}, {4, 2}, {11, 8}, {6, 3}, {2, 0}, {4, 1}},
     {{1, 2, 0, 0}}},
    {"SinusLeichtBehaeltAUndC", Sinus, Leicht, {{11, 9}, {4, 2}, {11, 8}, {6, 3}, {2, 0}, {4, 3}, {4, 3}, {4, 0}},
     {{-1.5, 1, 0, 3}}},

    // Hyperbel: d, c = R(9) - 4; a = (±1) · R(6), 0 → ±0.5, ±5 → ±0.25;
    // a again until |a + c| < 5.
    {"HyperbelNullWirdEinhalb", Hyperbel, Normal, {{9, 0}, {9, 8}, {2, 1}, {6, 0}, {2, 1}}, {{0.5, -4, 4}}},
    {"HyperbelFuenfWirdEinViertel", Hyperbel, Normal, {{9, 4}, {9, 8}, {2, 1}, {6, 1}, {2, 1}, {6, 5}, {2, 0}},
     {{-0.25, 0, 4}}},
    {"HyperbelMinusFuenfWirdEinViertel", Hyperbel, Normal, {{9, 6}, {9, 1}, {2, 0}, {6, 5}, {2, 1}},
     {{0.25, 2, -3}}},
    {"HyperbelLeichtBehaeltAUndD", Hyperbel, Leicht, {{9, 7}, {9, 5}, {2, 1}, {6, 2}, {3, 1}, {3, 0}},
     {{2, 3, 0}}},

    // Exponential: b = R(7) - 1 (-1 → 0.25, 0 and 1 → 0.5), c = R(9) - 4,
    // a = (R(17)/2 - 4) · (±1), 0 → ±0.5; a turned when c > 1 and a > 0
    // or c < -1 and a < 0; all again until |a + c| + b < 5.
    {"ExponentialKleinsteBasis", Exponential, Normal, {{7, 0}, {9, 4}, {2, 1}, {17, 8}, {2, 0}},
     {{-0.5, 0.25, 0}}},
    {"ExponentialFuenfVerworfenUndGekehrt", Exponential, Normal,
     {{7, 6}, {9, 4}, {2, 1}, {17, 9}, {7, 1}, {9, 8}, {2, 1}, {17, 10}}, {{-1, 0.5, 4}}},
    {"ExponentialUnterMinusEinsGekehrt", Exponential, Normal, {{7, 3}, {9, 1}, {2, 0}, {17, 12}}, {{2, 2, -3}}},
    {"ExponentialBeiEinsNichtGekehrt", Exponential, Normal, {{7, 2}, {9, 5}, {2, 1}, {17, 10}}, {{1, 0.5, 1}}},
    {"ExponentialBeiMinusEinsNichtGekehrt", Exponential, Normal, {{7, 4}, {9, 3}, {2, 0}, {17, 9}},
     {{-0.5, 3, -1}}},
    {"ExponentialGrenzeFuenfVerworfen", Exponential, Normal,
     {{7, 5}, {9, 4}, {2, 1}, {17, 10}, {7, 5}, {9, 4}, {2, 0}, {17, 9}}, {{-0.5, 4, 0}}},
    {"ExponentialSehrLeichtBehaeltB", Exponential, SehrLeicht, {{7, 4}, {9, 2}, {2, 1}, {17, 11}, {3, 1}},
     {{1, 3, 0}}},
    {"ExponentialSehrLeichtBehaeltC", Exponential, SehrLeicht, {{7, 4}, {9, 2}, {2, 1}, {17, 11}, {3, 2}},
     {{1, 2, -2}}},
};

INSTANTIATE_TEST_SUITE_P(Zufallsaufgabe, SkriptTest, ::testing::ValuesIn(Skripte),
                         [](const auto& info) { return std::string(info.param.fall); });

TEST(ZieheTyp, NimmtDenGezogenenEintragDerListe)
{
    for (const auto& [zug, typ] : {std::pair{0, Parabel2}, std::pair{1, Hyperbel}, std::pair{2, Exponential}}) {
        SkriptZufall zufall;
        zufall.zuege = {zug};
        EXPECT_EQ(ZieheTyp({Parabel2, Hyperbel, Exponential}, zufall), typ);
        EXPECT_EQ(zufall.gefragt, std::vector<int>{3});
    }
}

TEST(ZieheTyp, EinzigerTypOhneWahl)
{
    Zufallsgenerator zufall;
    EXPECT_EQ(ZieheTyp({Sinus}, zufall), Sinus);
}

TEST(ZieheParameter, UnbekannterTypIstEinFehler)
{
    Zufallsgenerator zufall;
    EXPECT_THROW(ZieheParameter(KeinTyp, Normal, zufall), std::out_of_range);
    EXPECT_THROW(ZieheParameter(AnzahlTypen, Normal, zufall), std::out_of_range);
    EXPECT_THROW(ZieheTyp({}, zufall), std::out_of_range);
}

} // namespace
