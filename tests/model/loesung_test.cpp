// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/funktionstext.h"

#include "testhilfe.h"

#include <gtest/gtest.h>

namespace {

struct Loesung {
    int typ;
    ParameterSatz p;
    const char* text;
};

// Always with a decimal comma, whatever the regional settings of the run.
const Loesung Loesungen[] = {
    {Gerade, {{2, 3}}, "f(x) = 2·x + 3"},
    {Gerade, {{1, -3}}, "f(x) = x - 3"},
    {Gerade, {{-1, 2}}, "f(x) = - x + 2"},
    {Gerade, {{0.125, -0.5}}, "f(x) = 0,125·x - 0,5"},
    {Gerade, {{0, 4}}, "f(x) = 4"},
    {Gerade, {{0, -3}}, "f(x) = - 3"},
    {Betrag, {{2, -1, 3}}, "f(x) = 2·|x - 1| + 3"},
    {Betrag, {{-1, 0, 0}}, "f(x) = -|x|"},
    {Betrag, {{1, 0, -4.5}}, "f(x) = |x| - 4,5"},
    {Parabel2, {{-0.33333, -2.5, 1}}, "f(x) = -0,33333·(x - 2,5)² + 1"},
    {Parabel2, {{1, 2, -3}}, "f(x) = (x + 2)² - 3"},
    {Parabel2, {{-0.5, 0, 0}}, "f(x) = -0,5·x²"},
    {Parabel3, {{-1, -1, 0}}, "f(x) = -(x - 1)³"},
    {Parabel3, {{0.25, 0, 2}}, "f(x) = 0,25·x³ + 2"},
    {Sinus, {{1, 1, 0, 0}}, "f(x) = sin(x)"},
    {Sinus, {{2, 1, 1, 0}}, "f(x) = 2·sin(x + 1)"},
    {Sinus, {{1, 2, 0, -1}}, "f(x) = sin(2·x) - 1"},
    {Sinus, {{-1.5, 0.5, -1, 3}}, "f(x) = -1,5·sin(0,5·(x - 1)) + 3"},
    {Sinus, {{1, -2, 0, 0}}, "f(x) = sin(2·x)"},
    {Hyperbel, {{1, 0, 0}}, "f(x) = 1/x"},
    {Hyperbel, {{-1, 2, -3}}, "f(x) = -1/(x + 2) - 3"},
    {Hyperbel, {{2, -1, 1}}, "f(x) = 2/(x - 1) + 1"},
    {Exponential, {{3, 0.5, -2}}, "f(x) = 3·0,5ˣ - 2"},
    {Exponential, {{1, 2, 0}}, "f(x) = 2ˣ"},
    {Exponential, {{-1, 3, 1}}, "f(x) = -3ˣ + 1"},
    {Exponential, {{-1, -0.5, 3}}, "f(x) = -0,5ˣ + 3"},
    {KeinTyp, {{1, 0, 0}}, "kein Schaubild vorgegeben"},
};

class LoesungTest : public ::testing::TestWithParam<Loesung> {};

TEST_P(LoesungTest, SchreibtDieWertgleichungInEinerZeile)
{
    EXPECT_EQ(Loesungstext(GetParam().typ, GetParam().p), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, LoesungTest, ::testing::ValuesIn(Loesungen));

} // namespace
