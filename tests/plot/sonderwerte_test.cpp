// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/ebene.h"

#include "plot/geometrie.h"

#include <QImage>
#include <QRect>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

// Extreme parameters drawn into the plot image: every graph ends in a
// picture or in Rechenfehler, and the picture holds no line the function
// does not have. Rows of points far off the plot are clamped, so a graph
// far above or below leaves the image untouched, and a function that
// passes from far below to far above between two columns shows the steep
// line it has there.

namespace {

constexpr double Riesig = 1E300;
constexpr double Winzig = 1E-300;
constexpr double Kleinste = 5E-324; // the smallest subnormal
constexpr double Groesste = std::numeric_limits<double>::max();
constexpr int Grafik = 0xFF0000; // red, the pen of these tests

const QRect Nichts;
QRect bereich(int links, int oben, int rechts, int unten) { return {QPoint(links, oben), QPoint(rechts, unten)}; }
QRect zeile(int z) { return bereich(0, z, BildBreite - 1, z); }

struct Sonderfall {
    const char* name;
    Kurve kurve;
    bool rechenfehler;
    QRect punkte;         // every drawn pixel lies here; Nichts: none is drawn
    bool jedeZeile;       // each row of `punkte` holds a pixel: the steep part is drawn
    int anzahl;           // the number of pixels, -1 when not counted
    std::vector<std::pair<int, int>> luecken; // column ranges without a pixel
};

Kurve vorgegeben(int typ, ParameterSatz p) { return {typ, p, {}, false}; }
Kurve eigene(int typ, ParameterSatz p) { return {typ, p, {}, true}; }
Kurve gezeigt(int typ, ParameterSatz p, double von, double bis) { return {typ, p, {1, {von, 0}, {bis, 0}}, false}; }

// Worked out by hand from row = 215 - round(36·y), clamped to ±100000, and
// the line rule: a segment between two columns changes column halfway
// along its rows.
const Sonderfall Sonderfaelle[] = {
    // Steep lines through a zero: the columns beside it carry rows of
    // ±100000, so the line spans the image there and nowhere else.
    {"Gerade_m_riesig", vorgegeben(Gerade, {{Riesig, 0}}), false, bereich(286, 0, 288, 431), true, -1, {}},
    {"Gerade_m_minus_riesig", vorgegeben(Gerade, {{-Riesig, 0}}), false, bereich(286, 0, 288, 431), true, -1,
     {}},
    {"Gerade_Nullstelle_bei_minus_1", vorgegeben(Gerade, {{Riesig, Riesig}}), false, bereich(250, 0, 252, 431), true,
     -1, {}},
    {"Gerade_groesste_Zahlen", vorgegeben(Gerade, {{Groesste, -Groesste}}), false, bereich(322, 0, 324, 431), true,
     -1, {}},
    {"Gerade_c_riesig", vorgegeben(Gerade, {{0, Riesig}}), false, Nichts, false, 0, {}},
    {"Gerade_c_minus_riesig", vorgegeben(Gerade, {{0, -Riesig}}), false, Nichts, false, 0, {}},
    {"Gerade_m_winzig", vorgegeben(Gerade, {{Winzig, 0}}), false, zeile(215), false, 576, {}},
    {"Gerade_minus_null", vorgegeben(Gerade, {{-0.0, -0.0}}), false, zeile(215), false, 576, {}},
    {"Gerade_Abschnitt_riesig", gezeigt(Gerade, {{1, 0}}, -Riesig, Riesig), false, bereich(71, 0, 502, 431), true,
     432, {}},
    // |x| and x² are never negative: nothing below the x axis.
    {"Betrag_a_riesig", vorgegeben(Betrag, {{Riesig, 0, 0}}), false, bereich(286, 0, 288, 215), true, -1,
     {}},
    {"Betrag_a_minus_riesig", vorgegeben(Betrag, {{-Riesig, -0.0, 0}}), false, bereich(286, 215, 288, 431), true,
     -1, {}},
    {"Betrag_null_mal_riesig", vorgegeben(Betrag, {{0, Riesig, 0}}), false, zeile(215), false, 576, {}},
    {"Betrag_d_riesig", vorgegeben(Betrag, {{1, Riesig, 0}}), false, Nichts, false, 0, {}},
    {"Betrag_unendlich_minus_riesig", vorgegeben(Betrag, {{Riesig, Riesig, -Riesig}}), false, Nichts, false, 0,
     {}},
    {"Parabel_a_riesig", vorgegeben(Parabel2, {{Riesig, 0, 0}}), false, bereich(286, 0, 288, 215), true, -1,
     {}},
    {"Parabel_null_mal_riesig", vorgegeben(Parabel2, {{0, Riesig, 0}}), false, zeile(215), false, 576, {}},
    {"Parabel_winzig_mal_riesig", vorgegeben(Parabel2, {{Winzig, Riesig, 0}}), false, Nichts, false, 0,
     {}},
    {"Parabel_minus_unendlich", vorgegeben(Parabel2, {{-Riesig, Riesig, Riesig}}), false, Nichts, false, 0,
     {}},
    {"Parabel_c_minus_riesig", vorgegeben(Parabel2, {{1, 0, -Riesig}}), false, Nichts, false, 0, {}},
    {"Parabel3_a_riesig", vorgegeben(Parabel3, {{Riesig, 0, 0}}), false, bereich(286, 0, 288, 431), true, -1,
     {}},
    {"Parabel3_d_riesig", vorgegeben(Parabel3, {{1, Riesig, 0}}), false, Nichts, false, 0, {}},
    {"Parabel3_d_minus_riesig", vorgegeben(Parabel3, {{1, -Riesig, 0}}), false, Nichts, false, 0, {}},
    {"Parabel3_a_winzig", vorgegeben(Parabel3, {{Winzig, 0, 0}}), false, zeile(215), false, 576, {}},
    // 1E300·sin x crosses from far below to far above at x = -2π..2π only.
    {"Sinus_a_riesig", vorgegeben(Sinus, {{Riesig, 1, 0, 0}}), false, bereich(60, 0, 514, 431), true, -1,
     {{0, 59}, {62, 172}, {175, 285}, {289, 399}, {402, 512}, {515, 575}}},
    {"Sinus_null_mal_sinus_von_unendlich", vorgegeben(Sinus, {{0, Riesig, Riesig, 0}}), true, Nichts, false, 0,
     {}},
    {"Sinus_k_riesig", vorgegeben(Sinus, {{1, Riesig, 0, 0}}), false, bereich(0, 179, 575, 251), false, -1,
     {}},
    {"Sinus_k_und_d_riesig", eigene(Sinus, {{1, Riesig, Riesig, 0}}), true, Nichts, false, 0, {}},
    {"Sinus_c_riesig", vorgegeben(Sinus, {{1, 1, 0, Riesig}}), false, Nichts, false, 0, {}},
    {"Sinus_minus_null", vorgegeben(Sinus, {{-0.0, -0.0, -0.0, -0.0}}), false, zeile(215), false, 576,
     {}},
    {"Sinus_k_kleinste", vorgegeben(Sinus, {{1, Kleinste, 0, 0}}), false, zeile(215), false, 576, {}},
    // Poles: the pupil's hyperbola never joins its branches; the given one
    // only where the pole falls between two columns.
    {"Hyperbel_Pol_auf_Spalte", eigene(Hyperbel, {{1, 0, 0}}), false, bereich(0, 0, 575, 431), false, -1,
     {{283, 291}}},
    {"Hyperbel_Pol_auf_Spalte_vorgegeben", vorgegeben(Hyperbel, {{1, 0, 0}}), false, bereich(0, 0, 575, 431), false,
     -1, {{283, 291}}},
    {"Hyperbel_Pol_zwischen_Spalten", eigene(Hyperbel, {{1, 0.3, 0}}), false, bereich(0, 0, 575, 431), false, -1,
     {{272, 280}}},
    {"Hyperbel_Pol_zwischen_Spalten_vorgegeben", vorgegeben(Hyperbel, {{1, 0.3, 0}}), false,
     bereich(0, 0, 575, 431), true, -1, {}},
    {"Hyperbel_a_riesig", eigene(Hyperbel, {{Riesig, 0, 0}}), false, Nichts, false, 0, {}},
    {"Hyperbel_a_riesig_vorgegeben", vorgegeben(Hyperbel, {{Riesig, 0, 0}}), false, Nichts, false, 0, {}},
    {"Hyperbel_a_riesig_Pol_zwischen_Spalten", eigene(Hyperbel, {{Riesig, 0.3, 0}}), false, Nichts, false, 0,
     {}},
    {"Hyperbel_a_riesig_Pol_zwischen_Spalten_vorgegeben", vorgegeben(Hyperbel, {{Riesig, 0.3, 0}}), false,
     bereich(276, 0, 277, 431), true, -1, {}},
    {"Hyperbel_d_riesig", eigene(Hyperbel, {{1, Riesig, 0}}), false, zeile(215), false, 576, {}},
    {"Hyperbel_d_winzig", eigene(Hyperbel, {{1, Winzig, 0}}), false, bereich(0, 0, 575, 431), false, -1,
     {{283, 291}}},
    {"Hyperbel_minus_null", vorgegeben(Hyperbel, {{-0.0, 0, 0}}), false, zeile(215), false, 574, {{286, 287}}},
    {"Hyperbel_a_kleinste", eigene(Hyperbel, {{Kleinste, 0, 0}}), false, zeile(215), false, 574, {{286, 287}}},
    // 0^0 = 1: a spike up to row 179 at x = 0.
    {"Exponential_Basis_null", vorgegeben(Exponential, {{1, 0, 0}}), false, bereich(0, 179, 575, 215), true, -1,
     {}},
    {"Exponential_Basis_minus_null", vorgegeben(Exponential, {{1, -0.0, 0}}), false, bereich(0, 179, 575, 215),
     true, -1, {}},
    {"Exponential_Basis_eins", vorgegeben(Exponential, {{1, 1, 0}}), false, zeile(179), false, 576, {}},
    {"Exponential_Basis_eins_a_riesig", vorgegeben(Exponential, {{Riesig, 1, 0}}), false, Nichts, false, 0,
     {}},
    {"Exponential_null_mal_riesige_Potenz", vorgegeben(Exponential, {{0, Riesig, 0}}), false, zeile(215), false,
     576, {}},
    {"Exponential_Basis_riesig", vorgegeben(Exponential, {{1, Riesig, 0}}), false, bereich(0, 0, 288, 215), true, -1,
     {}},
    {"Exponential_Basis_winzig", vorgegeben(Exponential, {{1, Winzig, 0}}), false, bereich(286, 0, 575, 215), true,
     -1, {}},
    {"Exponential_Basis_minus_riesig", vorgegeben(Exponential, {{1, -Riesig, 0}}), true, Nichts, false, 0,
     {}},
    {"Exponential_Basis_minus_2", vorgegeben(Exponential, {{1, -2, 0}}), true, Nichts, false, 0, {}},
    {"kein_Typ", vorgegeben(AnzahlTypen, {{1, 1, 1, 1}}), false, Nichts, false, 0, {}},
};

// The graph's pixels of an image drawn on white.
std::vector<QPoint> grafikpunkte(const QImage& bild)
{
    std::vector<QPoint> punkte;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xFFFFFFU) == static_cast<QRgb>(Grafik))
                punkte.emplace_back(x, y);
    return punkte;
}

struct Ergebnis {
    QImage bild{BildBreite, BildHoehe, QImage::Format_RGB32};
    bool rechenfehler = false;
};

Ergebnis zeichne(const Kurve& kurve, int dicke)
{
    Ergebnis e;
    e.bild.fill(Qt::white);
    try {
        ZeichneKurve(e.bild, kurve, QColor::fromRgb(Grafik), dicke);
    } catch (const Rechenfehler&) {
        e.rechenfehler = true;
    }
    return e;
}

class SonderwerteTest : public ::testing::TestWithParam<Sonderfall> {};

TEST_P(SonderwerteTest, EndenInEinemBildOhneFremdeLinienOderImRechenfehler)
{
    const Sonderfall& f = GetParam();
    const Ergebnis e = zeichne(f.kurve, 1);
    EXPECT_EQ(e.rechenfehler, f.rechenfehler);
    const std::vector<QPoint> punkte = grafikpunkte(e.bild);
    if (f.punkte.isNull())
        EXPECT_TRUE(punkte.empty()) << "first pixel at " << punkte.front().x() << ", " << punkte.front().y();
    else
        EXPECT_FALSE(punkte.empty());
    for (const QPoint& p : punkte) {
        ASSERT_TRUE(f.punkte.contains(p)) << "a stray pixel at " << p.x() << ", " << p.y();
        for (const auto& [von, bis] : f.luecken) {
            ASSERT_FALSE(p.x() >= von && p.x() <= bis) << "a line across the gap at " << p.x() << ", " << p.y();
        }
    }
    if (f.anzahl >= 0) {
        EXPECT_EQ(static_cast<int>(punkte.size()), f.anzahl);
    }
    if (f.jedeZeile) {
        for (int y = f.punkte.top(); y <= f.punkte.bottom(); ++y)
            ASSERT_TRUE(std::ranges::any_of(punkte, [y](QPoint p) { return p.y() == y; })) << "row " << y;
    }
}

// A wide pen only thickens what the thin one draws: every pixel of the
// 3-pixel graph lies within two pixels of the thin graph, apart from the
// border, where the thin line may run just outside the image.
TEST_P(SonderwerteTest, BreiterStiftZeichntNurDasselbeDicker)
{
    const Sonderfall& f = GetParam();
    const Ergebnis duenn = zeichne(f.kurve, 1);
    const Ergebnis dick = zeichne(f.kurve, 3);
    EXPECT_EQ(dick.rechenfehler, duenn.rechenfehler);
    const QRect innen = duenn.bild.rect().adjusted(2, 2, -2, -2);
    const auto nahe = [&](QPoint p) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                if ((duenn.bild.pixel(p.x() + dx, p.y() + dy) & 0xFFFFFFU) == static_cast<QRgb>(Grafik))
                    return true;
        return false;
    };
    for (const QPoint& p : grafikpunkte(dick.bild)) {
        if (innen.contains(p)) {
            ASSERT_TRUE(nahe(p)) << "pixel " << p.x() << ", " << p.y();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, SonderwerteTest, ::testing::ValuesIn(Sonderfaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
