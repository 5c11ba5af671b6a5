// The plot on a scaled screen: drawn on the device's own pixels, every line
// whole device pixels in the full colour, the picture that of one device
// pixel per point.

#include "plot/ebene.h"
#include "plot/geometrie.h"

#include <gtest/gtest.h>

#include <set>

namespace {

QImage leeresBild(double massstab, QSize groesse)
{
    QImage bild(groesse, QImage::Format_RGB32);
    bild.setDevicePixelRatio(massstab);
    bild.fill(Qt::white);
    return bild;
}

struct Dichte {
    double massstab;
    QSize groesse;  // the plot in device pixels
    int breite;     // a thin line, in device pixels
    int ersteLinie; // the first device pixel of the grid line x = -7 (and y = 5)
    int abstand;    // device pixels from one grid line to the next
};

void PrintTo(const Dichte& d, std::ostream* aus) { *aus << d.massstab; }

const Dichte Dichten[] = {
    {1.25, {720, 540}, 1, 44, 45},
    {1.5, {864, 648}, 2, 52, 54},
    {2, {1152, 864}, 2, 70, 72},
    {3, {1728, 1296}, 3, 105, 108},
};

class DichteTest : public ::testing::TestWithParam<Dichte> {};

// Across a row (and a column) clear of numbers, the grid lines and the axis
// that covers the line through the origin are runs of whole device pixels
// of the thin width, at even steps; every other pixel is white, none blended.
TEST_P(DichteTest, GitterUndAchseAufGanzenGeraetepixeln)
{
    const Dichte& d = GetParam();
    QImage bild = leeresBild(d.massstab, d.groesse);
    const Anzeigeoptionen anzeige;
    ZeichneEbene(bild, anzeige);
    const auto pruefe = [&](int linien, int ursprung, auto punkt, int anzahl) {
        std::set<int> netz, achse;
        for (int i = 1; i <= linien; ++i)
            for (int k = 0; k < d.breite; ++k)
                (i == ursprung ? achse : netz).insert(d.ersteLinie + (i - 1) * d.abstand + k);
        for (int i = 0; i < anzahl; ++i) {
            const QColor soll = netz.count(i) ? anzeige.NetzFarbe : achse.count(i) ? anzeige.AchsenFarbe : Qt::white;
            ASSERT_EQ(punkt(i), soll) << "device pixel " << i;
        }
    };
    const int zeile = static_cast<int>(120 * d.massstab);
    const int spalte = static_cast<int>(90 * d.massstab);
    pruefe(15, 8, [&](int x) { return bild.pixelColor(x, zeile); }, d.groesse.width());
    pruefe(11, 6, [&](int y) { return bild.pixelColor(spalte, y); }, d.groesse.height());
}

INSTANTIATE_TEST_SUITE_P(Massstaebe, DichteTest, ::testing::ValuesIn(Dichten));

struct Schaubild {
    const char* name;
    Kurve kurve;
    int dicke;
};

void PrintTo(const Schaubild& s, std::ostream* aus) { *aus << s.name; }

const Schaubild Schaubilder[] = {
    {"Parabel", {Parabel2, {{-0.5, 1, 3}}, {}, false}, 1},
    {"SteileExponentialfunktion", {Exponential, {{1, 10, 0}}, {}, false}, 1},
    {"HyperbelMitPolUndSprungtest", {Hyperbel, {{1, 1, 0}}, {}, true}, 1},
    {"DickerSinusInAbschnitten", {Sinus, {{2, 3, 0, 0}}, {2, {{-5, 2}}, {{-1, 6}}}, false}, 3},
};

class SchaubildTest : public ::testing::TestWithParam<Schaubild> {};

// Which points of the plot the pen covered; with `rand`, also every point
// next to one covered.
std::vector<bool> bedeckt(const QImage& bild, double massstab, QRgb stift, int rand)
{
    std::vector<bool> punkte(BildBreite * BildHoehe);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == stift)
                for (int v = -rand; v <= rand; ++v)
                    for (int u = -rand; u <= rand; ++u) {
                        const int px = static_cast<int>(x / massstab) + u;
                        const int py = static_cast<int>(y / massstab) + v;
                        if (px >= 0 && px < BildBreite && py >= 0 && py < BildHoehe)
                            punkte[py * BildBreite + px] = true;
                    }
    return punkte;
}

// Finer sampling moves no pixel of a graph further than one point from
// where one device pixel per point puts it, and leaves none of its points
// out; every pixel is white or the pen's colour.
TEST_P(SchaubildTest, LiegtWoEinPixelJePunktEsZeichnet)
{
    const Schaubild& s = GetParam();
    const QRgb stift = qRgb(0, 0, 255);
    QImage einfach = leeresBild(1, {BildBreite, BildHoehe});
    ZeichneKurve(einfach, s.kurve, QColor(stift), s.dicke);
    const std::vector<bool> punkteEinfach = bedeckt(einfach, 1, stift, 0);
    const std::vector<bool> nahEinfach = bedeckt(einfach, 1, stift, 1);
    for (const Dichte& d : {Dichten[1], Dichten[2]}) {
        QImage fein = leeresBild(d.massstab, d.groesse);
        ZeichneKurve(fein, s.kurve, QColor(stift), s.dicke);
        const std::vector<bool> punkteFein = bedeckt(fein, d.massstab, stift, 0);
        const std::vector<bool> nahFein = bedeckt(fein, d.massstab, stift, 1);
        for (int i = 0; i < BildBreite * BildHoehe; ++i) {
            const int x = i % BildBreite;
            const int y = i / BildBreite;
            ASSERT_FALSE(punkteFein[i] && !nahEinfach[i]) << d.massstab << ": stray point " << x << ", " << y;
            ASSERT_FALSE(punkteEinfach[i] && !nahFein[i]) << d.massstab << ": point left out " << x << ", " << y;
        }
        for (int y = 0; y < fein.height(); ++y)
            for (int x = 0; x < fein.width(); ++x)
                ASSERT_TRUE(fein.pixel(x, y) == stift || fein.pixel(x, y) == qRgb(255, 255, 255)) << x << ", " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Kurven, SchaubildTest, ::testing::ValuesIn(Schaubilder),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
