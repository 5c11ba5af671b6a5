#include "plot/geometrie.h"

#include "model/funktion.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double Unendlich = std::numeric_limits<double>::infinity();

struct Spalte {
    int spalte;
    double x;
};

class SpalteZuXTest : public ::testing::TestWithParam<Spalte> {};

TEST_P(SpalteZuXTest, ZaehltVomUrsprungIn36stel)
{
    EXPECT_DOUBLE_EQ(SpalteZuX(GetParam().spalte), GetParam().x);
}

INSTANTIATE_TEST_SUITE_P(Spalten, SpalteZuXTest,
                         ::testing::Values(Spalte{0, -287.0 / 36}, Spalte{35, -7}, Spalte{251, -1},
                                           Spalte{287, 0}, Spalte{288, 1.0 / 36}, Spalte{575, 8},
                                           Spalte{576, 289.0 / 36}));

struct Zeile {
    double y;
    int zeile;
};

class YZuZeileTest : public ::testing::TestWithParam<Zeile> {};

TEST_P(YZuZeileTest, RundetHalbeZurGeradenZahl)
{
    EXPECT_EQ(YZuZeile(GetParam().y), GetParam().zeile);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, YZuZeileTest,
                         ::testing::Values(Zeile{0, 215}, Zeile{5, 35}, Zeile{-6, 431}, Zeile{5.97, 0},
                                           Zeile{0.125, 211},  // 4.5 rounds to 4
                                           Zeile{0.375, 201},  // 13.5 rounds to 14
                                           Zeile{-0.125, 219}, // -4.5 rounds to -4
                                           Zeile{-0.375, 229}, // -13.5 rounds to -14
                                           // Far outside: kept on its side of the plot.
                                           Zeile{1e300, -Zeilengrenze}, Zeile{-1e300, Zeilengrenze},
                                           Zeile{Unendlich, -Zeilengrenze}, Zeile{-Unendlich, Zeilengrenze},
                                           Zeile{2000, 215 - 72000}, Zeile{3000, -Zeilengrenze}));

TEST(YZuZeile, NaNIstEinRechenfehler)
{
    EXPECT_THROW(YZuZeile(std::numeric_limits<double>::quiet_NaN()), Rechenfehler);
}

} // namespace
