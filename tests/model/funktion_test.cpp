// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/funktion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double Unendlich = std::numeric_limits<double>::infinity();

struct Wert {
    const char* fall;
    int typ;
    ParameterSatz p;
    double x;
    double y;
};

// Every formula, with the values the type does not read set to noise.
const Wert Werte[] = {
    {"Gerade", Gerade, {{2, 3, 99, 99}}, 1.5, 6},
    {"Gerade fallend", Gerade, {{-0.5, 1, -7, 4}}, -4, 3},
    {"Betrag Spitze", Betrag, {{-1, 0, 2, 99}}, 0, 2},
    {"Betrag rechts", Betrag, {{-1, 0, 2, 99}}, 2, 0},
    {"Betrag links", Betrag, {{-1, 0, 2, 99}}, -2, 0},
    {"Betrag verschoben", Betrag, {{3, -1, 1, 99}}, -1, 7},
    {"Parabel2", Parabel2, {{2, -1, 3, 99}}, 3, 11},
    {"Parabel2 Scheitel", Parabel2, {{-0.5, 4, 1, 99}}, -4, 1},
    {"Parabel3", Parabel3, {{1, 1, -2, 99}}, 1, 6},
    {"Parabel3 negativ", Parabel3, {{1, 1, -2, 99}}, -3, -10},
    {"Sinus Grundfunktion", Sinus, {{1, 1, 0, 0}}, std::numbers::pi / 2, 1},
    {"Sinus k = 0", Sinus, {{3, 0, 1, -2}}, 5, -2},
    {"Sinus gestreckt", Sinus, {{2, 2, 1, 1}}, 0.5, 2 * std::sin(3.0) + 1},
    {"Hyperbel rechts", Hyperbel, {{1, 2, 0, 99}}, -1, 1},
    {"Hyperbel links", Hyperbel, {{1, 2, 0, 99}}, -3, -1},
    {"Hyperbel verschoben", Hyperbel, {{-2, 0, 3, 99}}, 4, 2.5},
    {"Exponential b = 0 bei 0", Exponential, {{3, 0, 1, 99}}, 0, 4},
    {"Exponential b = 0 rechts", Exponential, {{3, 0, 1, 99}}, 0.5, 1},
    {"Exponential b = 0 links", Exponential, {{3, 0, 1, 99}}, -1, 1},
    {"Exponential b = 1", Exponential, {{3, 1, 1, 99}}, 0.37, 4},
    {"Exponential b = 1 links", Exponential, {{3, 1, 1, 99}}, -5, 4},
    {"Exponential 2^-2", Exponential, {{1, 2, 0, 99}}, -2, 0.25},
    {"Exponential 2^8", Exponential, {{1, 2, 0, 99}}, 8, 256},
    {"Exponential -2^3", Exponential, {{3, -2, 5, 99}}, 3, -19},
    {"Exponential -2^0", Exponential, {{3, -2, 5, 99}}, 0, 8},
    {"Exponential -2^-1", Exponential, {{1, -2, 0, 99}}, -1, -0.5},
    {"Exponential -1 hoch 2^31-1", Exponential, {{1, -1, 0, 99}}, 2147483647.0, -1},
    {"Exponential Bruch", Exponential, {{1, 4, 0, 99}}, 0.5, 2},
    {"Exponential Ueberlauf", Exponential, {{1, 10, 0, 99}}, 400, Unendlich},
};

class FunktionswertTest : public ::testing::TestWithParam<Wert> {};

TEST_P(FunktionswertTest, BerechnetDieFormel)
{
    const Wert& w = GetParam();
    bool gueltig = true;
    const double y = Funktionswert(w.typ, w.x, w.p, gueltig);
    EXPECT_TRUE(gueltig);
    if (std::isinf(w.y))
        EXPECT_EQ(y, w.y);
    else
        EXPECT_NEAR(y, w.y, 1e-12 * std::max(1.0, std::fabs(w.y)));
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, FunktionswertTest, ::testing::ValuesIn(Werte),
                         [](const auto& info) {
                             std::string name = info.param.fall;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(Funktionswert, GanzzahligePotenzenSindExakt)
{
    bool gueltig = true;
    EXPECT_EQ(Funktionswert(Exponential, -2, {{1, 2, 0, 0}}, gueltig), 0.25);
    EXPECT_EQ(Funktionswert(Exponential, 8, {{1, 2, 0, 0}}, gueltig), 256.0);
    EXPECT_EQ(Funktionswert(Exponential, 5, {{1, 3, 0, 0}}, gueltig), 243.0);
    EXPECT_EQ(Funktionswert(Exponential, -3, {{1, 0.5, 0, 0}}, gueltig), 8.0);
}

TEST(Funktionswert, PolDerHyperbelLoeschtGueltig)
{
    bool gueltig = true;
    Funktionswert(Hyperbel, -2, {{1, 2, 0, 0}}, gueltig);
    EXPECT_FALSE(gueltig);
}

TEST(Funktionswert, GueltigWirdNieWiederWahr)
{
    bool gueltig = false;
    EXPECT_EQ(Funktionswert(Gerade, 2, {{3, 1, 0, 0}}, gueltig), 7);
    EXPECT_FALSE(gueltig);
}

TEST(Funktionswert, TypOhneFormelZeichnetNichts)
{
    for (const int typ : {-1, 7, 8, 100}) {
        bool gueltig = true;
        Funktionswert(typ, 1, {{1, 1, 1, 1}}, gueltig);
        EXPECT_FALSE(gueltig) << "type " << typ;
    }
}

struct Fehlerfall {
    const char* fall;
    int typ;
    ParameterSatz p;
    double x;
};

// Invalid operations are errors, never a NaN that someone might draw.
const Fehlerfall Fehlerfaelle[] = {
    {"negative Basis, gebrochener Exponent", Exponential, {{1, -2, 0, 0}}, 0.5},
    {"negative Basis, auch bei a = 0", Exponential, {{0, -2, 0, 0}}, -0.25},
    {"negative Basis jenseits von 2^31", Exponential, {{1, -1, 0, 0}}, 2147483648.0},
    {"0 mal unendlich", Parabel2, {{0, 1e308, 0, 0}}, 1e308},
    {"unendlich minus unendlich", Hyperbel, {{Unendlich, 0, -Unendlich, 0}}, 1},
    {"Sinus von unendlich", Sinus, {{1, Unendlich, 0, 0}}, 1},
    {"Gerade unendlich minus unendlich", Gerade, {{Unendlich, -Unendlich, 0, 0}}, 1},
};

class RechenfehlerTest : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(RechenfehlerTest, WirftRechenfehler)
{
    const Fehlerfall& f = GetParam();
    bool gueltig = true;
    try {
        Funktionswert(f.typ, f.x, f.p, gueltig);
        FAIL() << "no error for " << f.fall;
    } catch (const Rechenfehler& fehler) {
        EXPECT_STREQ(fehler.what(), "Ungültige Gleitkommaoperation");
    }
}

INSTANTIATE_TEST_SUITE_P(UngueltigeOperationen, RechenfehlerTest, ::testing::ValuesIn(Fehlerfaelle));

} // namespace
