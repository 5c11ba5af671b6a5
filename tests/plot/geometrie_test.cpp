// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/geometrie.h"

#include "model/funktion.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {

constexpr double Unendlich = std::numeric_limits<double>::infinity();

TEST(Geometrie, SpalteZuXZaehltVomUrsprungIn36stel)
{
    const std::pair<int, double> spalten[] = {{0, -287.0 / 36}, {35, -7},        {251, -1}, {287, 0},
                                              {288, 1.0 / 36},  {575, 8},        {576, 289.0 / 36}};
    for (const auto& [spalte, x] : spalten)
        EXPECT_DOUBLE_EQ(SpalteZuX(spalte), x) << "column " << spalte;
}

TEST(Geometrie, YZuZeileRundetHalbeZurGeradenZahl)
{
    const std::pair<double, int> zeilen[] = {
        {0, 215}, {5, 35}, {-6, 431}, {5.97, 0},
        {0.125, 211},  // 4.5 rounds to 4
        {0.375, 201},  // 13.5 rounds to 14
        {-0.125, 219}, // -4.5 rounds to -4
        {-0.375, 229}, // -13.5 rounds to -14
        {2000, 215 - 72000},
        // Far outside: kept on its side of the plot.
        {3000, -Zeilengrenze}, {1e300, -Zeilengrenze}, {-1e300, Zeilengrenze},
        {Unendlich, -Zeilengrenze}, {-Unendlich, Zeilengrenze},
    };
    for (const auto& [y, zeile] : zeilen)
        EXPECT_EQ(YZuZeile(y), zeile) << "y = " << y;
}

TEST(Geometrie, NaNIstEinRechenfehler)
{
    EXPECT_THROW(YZuZeile(std::numeric_limits<double>::quiet_NaN()), Rechenfehler);
}

} // namespace
