// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The plot on a scaled screen, drawn on the device's own pixels.

#include "plot/ebene.h"
#include "plot/geometrie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

QImage leeresBild(double massstab)
{
    QImage bild(static_cast<int>(BildBreite * massstab), static_cast<int>(BildHoehe * massstab), QImage::Format_RGB32);
    bild.setDevicePixelRatio(massstab);
    bild.fill(Qt::white);
    return bild;
}

// Device pixels per point, then in device pixels a thin line's width, the
// first pixel of the grid line x = -7 and the step to the next grid line.
class DichteTest : public ::testing::TestWithParam<std::tuple<double, int, int, int>> {};

// Across a row clear of numbers the grid lines and the y axis are runs of a
// thin line's width at even steps; every other pixel is white, none blended.
TEST_P(DichteTest, GitterUndAchseAufGanzenGeraetepixeln)
{
    const auto [massstab, breite, erste, abstand] = GetParam();
    QImage bild = leeresBild(massstab);
    ZeichneEbene(bild, {});
    for (int x = 0; x < bild.width(); ++x) {
        const int linie = x < erste || (x - erste) % abstand >= breite ? -1 : (x - erste) / abstand;
        const QColor soll = linie < 0 || linie >= 15 ? Qt::white : linie == 7 ? Qt::black : QColor(0xC0C0C0);
        ASSERT_EQ(bild.pixelColor(x, static_cast<int>(120 * massstab)), soll) << "column " << x;
    }
}

// The points a blue graph covers, with their neighbours when `rand`; a
// pixel neither white nor blue counts as a point far off.
std::set<std::pair<int, int>> punkte(const QImage& bild, int rand)
{
    const double m = bild.devicePixelRatio();
    std::set<std::pair<int, int>> p;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            for (int v = -rand; v <= rand && bild.pixel(x, y) != qRgb(255, 255, 255); ++v)
                for (int u = -rand; u <= rand; ++u)
                    p.insert(bild.pixel(x, y) != qRgb(0, 0, 255) ? std::pair(-9, -9)
                                                                  : std::pair(int(x / m) + u, int(y / m) + v));
    return p;
}

// Sampled finer, a graph covers the points of the one drawn at one pixel per point, give or take one.
TEST_P(DichteTest, SchaubilderLiegenWoEinPixelJePunktSieZeichnet)
{
    for (const auto& [kurve, dicke] : {std::pair{Kurve{Exponential, {{1, 10, 0}}, {}, false}, 1},
                                       std::pair{Kurve{Hyperbel, {{1, 1, 0}}, {}, true}, 1}, // pole and jump test
                                       std::pair{Kurve{Sinus, {{2, 3, 0, 0}}, {2, {{-5, 2}}, {{-1, 6}}}, false}, 3}}) {
        QImage einfach = leeresBild(1), fein = leeresBild(std::get<0>(GetParam()));
        ZeichneKurve(einfach, kurve, Qt::blue, dicke);
        ZeichneKurve(fein, kurve, Qt::blue, dicke);
        EXPECT_TRUE(std::ranges::includes(punkte(einfach, 1), punkte(fein, 0))) << kurve.Typ << ": stray or blended";
        EXPECT_TRUE(std::ranges::includes(punkte(fein, 1), punkte(einfach, 0))) << kurve.Typ << ": a point left out";
    }
}

INSTANTIATE_TEST_SUITE_P(Massstaebe, DichteTest,
                         ::testing::Values(std::tuple(1.25, 1, 44, 45), std::tuple(1.5, 2, 52, 54),
                                           std::tuple(2.0, 2, 70, 72), std::tuple(3.0, 3, 105, 108)));

} // namespace
