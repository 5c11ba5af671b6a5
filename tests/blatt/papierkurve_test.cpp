// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/papierkurve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const QRectF Ebene(25, 19, 160, 120);

// The first and last x (mm) of every subpath.
std::vector<std::pair<double, double>> laeufe(const QPainterPath& pfad)
{
    std::vector<std::pair<double, double>> ergebnis;
    for (int i = 0; i < pfad.elementCount(); ++i) {
        const QPainterPath::Element e = pfad.elementAt(i);
        if (e.isMoveTo())
            ergebnis.push_back({e.x, e.x});
        else
            ergebnis.back().second = e.x;
    }
    return ergebnis;
}

QPainterPath kurve(const Kurve& k)
{
    QPainterPath pfad;
    Papierkurve(k, Ebene, pfad);
    return pfad;
}

TEST(Papierkurve, GeradeVonRandZuRand)
{
    const QPainterPath pfad = kurve({Gerade, {{1, 0}}, {}, false});
    ASSERT_EQ(laeufe(pfad).size(), 1U);
    EXPECT_EQ(pfad.elementCount(), 5761) << "one sample every 1/36 mm";
    EXPECT_EQ(QPointF(pfad.elementAt(0)), QPointF(25, 159)) << "(-8, -8), 2 cm below the plane";
    EXPECT_EQ(QPointF(pfad.elementAt(2880)), QPointF(105, 79)) << "the origin";
    EXPECT_EQ(QPointF(pfad.elementAt(2910)), QPointF(105 + 30 / 36.0, 79 - 30 / 36.0));
    EXPECT_EQ(QPointF(pfad.elementAt(5760)), QPointF(185, -1));
}

struct Abschnittsfall {
    const char* name;
    Abschnitte abschnitte;
    std::vector<std::pair<double, double>> laeufe; // mm
};

const Abschnittsfall Abschnittsfaelle[] = {
    {"einer", {1, {-2, 0}, {3, 0}}, {{85, 135}}},
    {"zwei", {2, {-6, 1.5}, {-4.5, 8}}, {{45, 60}, {120, 185}}},
    {"ueber den Rand", {1, {-20, 0}, {-7, 0}}, {{25, 35}}},
    {"verkehrt", {1, {3, 0}, {-2, 0}}, {}},
};

class AbschnittTest : public ::testing::TestWithParam<Abschnittsfall> {};

TEST_P(AbschnittTest, ZeigtNurDieAbschnitte)
{
    const Abschnittsfall& fall = GetParam();
    const QPainterPath pfad = kurve({Parabel2, {{0.5, 1, -2}}, fall.abschnitte, false});
    const auto gezeichnet = laeufe(pfad);
    ASSERT_EQ(gezeichnet.size(), fall.laeufe.size());
    for (std::size_t i = 0; i < gezeichnet.size(); ++i) {
        EXPECT_NEAR(gezeichnet[i].first, fall.laeufe[i].first, 1e-9) << "run " << i;
        EXPECT_NEAR(gezeichnet[i].second, fall.laeufe[i].second, 1e-9) << "run " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, AbschnittTest, ::testing::ValuesIn(Abschnittsfaelle),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST(Papierkurve, DerPolTrenntDieHyperbel)
{
    // d = 1: x = -1 is column 2520, which draws nothing.
    const auto gezeichnet = laeufe(kurve({Hyperbel, {{1, 1, 0}}, {}, false}));
    ASSERT_EQ(gezeichnet.size(), 2U);
    EXPECT_NEAR(gezeichnet[0].second, 25 + 2519 / 36.0, 1e-9);
    EXPECT_NEAR(gezeichnet[1].first, 25 + 2521 / 36.0, 1e-9);
}

TEST(Papierkurve, EinRechenfehlerBehaeltDenAnfang)
{
    // b = -2 has a value at x = -8 only; the next column is no integer.
    QPainterPath pfad;
    EXPECT_THROW(Papierkurve({Exponential, {{1, -2, 0}}, {}, false}, Ebene, pfad), Rechenfehler);
    ASSERT_EQ(pfad.elementCount(), 1);
    EXPECT_EQ(QPointF(pfad.elementAt(0)).x(), 25);
}

} // namespace
