// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/ebene.h"

#include "plot/geometrie.h"
#include "plot/leinwand.h"

#include "testhilfe.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace {

class EbeneTest : public ::testing::Test {
protected:
    QImage& zeichne()
    {
        ZeichneEbene(bild, anzeige);
        return bild;
    }

    QColor farbe(int spalte, int zeile) const { return bild.pixelColor(spalte, zeile); }
    bool istAchse(int spalte, int zeile) const { return farbe(spalte, zeile) == anzeige.AchsenFarbe; }

    // Pixels darker than the grid: the marks of axes, ticks and texts.
    int dunklePunkte(const QRect& bereich) const
    {
        int n = 0;
        for (int y = bereich.top(); y <= bereich.bottom(); ++y)
            for (int x = bereich.left(); x <= bereich.right(); ++x)
                n += qGray(bild.pixel(x, y)) < 128;
        return n;
    }

    // Where row `lage` (or column `lage`, senkrecht) crosses grid lines.
    std::vector<int> netz(int lage, bool senkrecht = false) const
    {
        std::vector<int> treffer;
        for (int i = 0; i < (senkrecht ? BildHoehe : BildBreite); ++i)
            if ((senkrecht ? farbe(lage, i) : farbe(i, lage)) == anzeige.NetzFarbe)
                treffer.push_back(i);
        return treffer;
    }

    static std::vector<int> reihe(int erste, int schritt, int letzte, int ohne = -1)
    {
        std::vector<int> werte;
        for (int w = erste; w <= letzte; w += schritt)
            if (w != ohne)
                werte.push_back(w);
        return werte;
    }

    QImage bild{BildBreite, BildHoehe, QImage::Format_RGB32};
    Anzeigeoptionen anzeige;
};

TEST_F(EbeneTest, GitterlinienLiegenAufDenGanzenEinheiten)
{
    bild.fill(Qt::red);
    zeichne();
    // The lines x = 0 and y = 0 lie under the axes.
    EXPECT_EQ(netz(100), reihe(35, 36, 539, 287));
    EXPECT_EQ(netz(100, true), reihe(35, 36, 395, 215));
    EXPECT_EQ(farbe(575, 431), QColor(Qt::white)) << "the whole plot is cleared";
    EXPECT_EQ(farbe(0, 0), QColor(Qt::white));
}

TEST_F(EbeneTest, HalbesRasterNurWennEingeschaltet)
{
    anzeige.HalbRaster = true;
    zeichne();
    const auto vereint = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        std::sort(a.begin(), a.end());
        return a;
    };
    EXPECT_EQ(netz(100), vereint(reihe(35, 36, 539, 287), reihe(17, 36, 557)));
    EXPECT_EQ(netz(100, true), vereint(reihe(35, 36, 395, 215), reihe(17, 36, 413)));
}

TEST_F(EbeneTest, AchsenEndenInDenPfeilspitzen)
{
    zeichne();
    for (int x = 1; x <= 574; x += 1)
        ASSERT_TRUE(istAchse(x, 215)) << "x axis at column " << x;
    EXPECT_FALSE(istAchse(0, 215));
    EXPECT_FALSE(istAchse(575, 215));
    for (int y = 1; y <= 430; ++y)
        ASSERT_TRUE(istAchse(287, y)) << "y axis at row " << y;
    EXPECT_FALSE(istAchse(287, 0));
    EXPECT_FALSE(istAchse(287, 431));
    EXPECT_FALSE(istAchse(286, 100));
    EXPECT_FALSE(istAchse(100, 214));

    // Arrow heads: two strokes back from each tip, mirror images, their far
    // ends excluded.
    EXPECT_TRUE(istAchse(570, 213));
    EXPECT_TRUE(istAchse(570, 217));
    EXPECT_TRUE(istAchse(567, 211));
    EXPECT_TRUE(istAchse(567, 219));
    EXPECT_TRUE(istAchse(561, 208));
    EXPECT_TRUE(istAchse(561, 222));
    EXPECT_FALSE(istAchse(560, 208));
    EXPECT_FALSE(istAchse(560, 222));
    EXPECT_TRUE(istAchse(283, 8));
    EXPECT_TRUE(istAchse(291, 8));
    EXPECT_FALSE(istAchse(280, 15));
    EXPECT_FALSE(istAchse(294, 15));
}

TEST_F(EbeneTest, TeilstricheOhneEndpunkt)
{
    zeichne();
    for (const int x : reihe(35, 36, 539, 287)) {
        for (int y = 209; y <= 220; ++y)
            EXPECT_TRUE(istAchse(x, y)) << "tick at column " << x << ", row " << y;
        EXPECT_EQ(farbe(x, 208), anzeige.NetzFarbe) << "column " << x;
        EXPECT_EQ(farbe(x, 221), anzeige.NetzFarbe) << "column " << x;
    }
    for (const int y : reihe(35, 36, 395, 215)) {
        for (int x = 281; x <= 292; ++x)
            EXPECT_TRUE(istAchse(x, y)) << "tick at row " << y << ", column " << x;
        EXPECT_FALSE(istAchse(280, y));
        EXPECT_EQ(farbe(293, y), anzeige.NetzFarbe) << "row " << y;
    }
}

TEST_F(EbeneTest, ZahlenAnDenAchsenAberNichtAmUrsprung)
{
    zeichne();
    for (const int x : reihe(35, 36, 539, 287))
        EXPECT_GT(dunklePunkte(QRect(x - 5, 222, 15, 15)), 4) << "number at column " << x;
    for (const int y : reihe(35, 36, 395, 215))
        EXPECT_GT(dunklePunkte(QRect(268, y - 8, 12, 16)), 4) << "number at row " << y;
    EXPECT_EQ(dunklePunkte(QRect(262, 222, 24, 15)), 0) << "no 0 under the origin";
    EXPECT_EQ(dunklePunkte(QRect(262, 192, 24, 22)), 0) << "no 0 beside the origin";
    EXPECT_GT(dunklePunkte(QRect(566, 223, 10, 15)), 4) << "x";
    EXPECT_GT(dunklePunkte(QRect(267, 0, 10, 15)), 4) << "y";
}

TEST_F(EbeneTest, WeissesFeldHinterDenYZahlen)
{
    zeichne();
    for (const int y : reihe(35, 36, 179)) { // 5 .. 1
        EXPECT_EQ(farbe(269, y), anzeige.NetzFarbe);
        EXPECT_EQ(farbe(270, y), QColor(Qt::white));
        EXPECT_EQ(farbe(279, y), QColor(Qt::white));
    }
    for (const int y : reihe(251, 36, 395)) { // -1 .. -5
        EXPECT_EQ(farbe(265, y), anzeige.NetzFarbe);
        EXPECT_EQ(farbe(266, y), QColor(Qt::white));
        EXPECT_EQ(farbe(279, y), QColor(Qt::white));
    }
}

TEST_F(EbeneTest, DickeAchsenAberDuenneTeilstriche)
{
    anzeige.AchsenDicke = 3;
    zeichne();
    for (const int zeile : {214, 215, 216})
        EXPECT_TRUE(istAchse(100, zeile));
    for (const int spalte : {286, 287, 288})
        EXPECT_TRUE(istAchse(spalte, 100));
    EXPECT_FALSE(istAchse(100, 213));
    EXPECT_FALSE(istAchse(100, 217));
    EXPECT_TRUE(istAchse(35, 210));
    EXPECT_FALSE(istAchse(34, 210)) << "ticks stay one pixel wide";
    EXPECT_FALSE(istAchse(36, 210));
    EXPECT_FALSE(istAchse(282, 34)) << "ticks stay one pixel wide";
    EXPECT_FALSE(istAchse(282, 36));
}

class PfeilTest : public EbeneTest, public ::testing::WithParamInterface<int> {};

// The x axis figure is symmetric about row 215, the y axis figure about
// column 287, in every width: arrow heads and the far ends alike.
TEST_P(PfeilTest, AchsenSindSpiegelbildlich)
{
    anzeige.AchsenDicke = GetParam();
    zeichne();
    EXPECT_TRUE(istAchse(567, 211)) << "the upper stroke of the arrow head";
    EXPECT_TRUE(istAchse(283, 8)) << "the left stroke of the arrow head";
    for (int k = 1; k <= 12; ++k) {
        for (int x = 545; x < BildBreite; ++x)
            ASSERT_EQ(istAchse(x, 215 - k), istAchse(x, 215 + k)) << "column " << x << ", 215 ± " << k;
        for (int y = 0; y <= 24; ++y)
            ASSERT_EQ(istAchse(287 - k, y), istAchse(287 + k, y)) << "row " << y << ", 287 ± " << k;
    }
    for (int x = 0; x <= 3; ++x)
        EXPECT_EQ(istAchse(x, 214), istAchse(x, 216)) << "left end, column " << x;
    for (int y = 427; y < BildHoehe; ++y)
        EXPECT_EQ(istAchse(286, y), istAchse(288, y)) << "lower end, row " << y;
}

INSTANTIATE_TEST_SUITE_P(Breiten, PfeilTest, ::testing::Values(1, 3));

struct Textzelle {
    const char* text;
    QPoint obenLinks; // the top-left corner of the text's cell
    bool fett;
};

void PrintTo(const Textzelle& z, std::ostream* aus)
{
    *aus << '"' << z.text << "\" at (" << z.obenLinks.x() << ", " << z.obenLinks.y() << ")";
}

const Textzelle Textzellen[] = {
    {"-7", {30, 222}, false},  {"-6", {66, 222}, false},  {"-5", {102, 222}, false}, {"-4", {138, 222}, false},
    {"-3", {174, 222}, false}, {"-2", {210, 222}, false}, {"-1", {246, 222}, false}, {"1", {320, 222}, false},
    {"2", {356, 222}, false},  {"3", {392, 222}, false},  {"4", {428, 222}, false},  {"5", {464, 222}, false},
    {"6", {500, 222}, false},  {"7", {536, 222}, false},  {"5", {271, 27}, false},   {"4", {271, 63}, false},
    {"3", {271, 99}, false},   {"2", {271, 135}, false},  {"1", {271, 171}, false},  {"-1", {268, 243}, false},
    {"-2", {268, 279}, false}, {"-3", {268, 315}, false}, {"-4", {268, 351}, false}, {"-5", {268, 387}, false},
    {"x", {566, 223}, true},   {"y", {267, 0}, true},
};

class TextzellenTest : public EbeneTest, public ::testing::WithParamInterface<std::tuple<Textzelle, int>> {};

// The first pixel in which two images of the same size differ, or "".
std::string ersterUnterschied(const QImage& ist, const QImage& soll)
{
    for (int y = 0; y < ist.height(); ++y)
        for (int x = 0; x < ist.width(); ++x)
            if (ist.pixel(x, y) != soll.pixel(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is "
                       + ist.pixelColor(x, y).name().toStdString() + ", not "
                       + soll.pixelColor(x, y).name().toStdString();
    return {};
}

// Each number and name stands in its cell exactly as a reference rendering
// draws it: the face at 10 pt, regular or bold, black on a white cell whose
// top-left corner is the given point. The cell hides the grid beneath it.
TEST_P(TextzellenTest, GleichtDerVorlage)
{
    const auto& [zelle, massstab] = GetParam();
    bild = QImage(BildBreite * massstab, BildHoehe * massstab, QImage::Format_RGB32);
    bild.setDevicePixelRatio(massstab);
    zeichne();
    const QString text = QString::fromLatin1(zelle.text);
    const QFont schrift = Schrift(13 * massstab, zelle.fett);
    const QFontMetrics masse(schrift);
    const QRect feld(zelle.obenLinks * massstab, QSize(masse.horizontalAdvance(text), masse.height()));
    QImage vorlage(bild.size(), bild.format());
    vorlage.fill(Qt::white);
    {
        QPainter maler(&vorlage);
        maler.setFont(schrift);
        maler.setPen(Qt::black);
        maler.drawText(feld.topLeft() + QPoint(0, masse.ascent()), text);
    }
    EXPECT_EQ(ersterUnterschied(bild.copy(feld), vorlage.copy(feld)), "");
}

INSTANTIATE_TEST_SUITE_P(Achsen, TextzellenTest,
                         ::testing::Combine(::testing::ValuesIn(Textzellen), ::testing::Values(1, 2)));

TEST_F(EbeneTest, FarbenDerAnzeigeoptionen)
{
    anzeige.AchsenFarbe = Farbe(0x008000);
    anzeige.NetzFarbe = Farbe(0x00FFFF);
    zeichne();
    EXPECT_EQ(farbe(100, 215), Farbe(0x008000));
    EXPECT_EQ(farbe(35, 100), Farbe(0x00FFFF));
}

TEST_F(EbeneTest, ZweiterAufrufGibtDasselbeBild)
{
    const QImage einmal = zeichne().copy();
    anzeige.HalbRaster = true;
    zeichne();
    anzeige.HalbRaster = false;
    EXPECT_EQ(zeichne(), einmal);
}

class KurveTest : public EbeneTest {
protected:
    void kurve(const Kurve& k, int dicke = 1)
    {
        zeichne();
        ZeichneKurve(bild, k, Farbe(0xFF0000), dicke);
    }
    bool blau(int spalte, int zeile) const { return farbe(spalte, zeile) == Farbe(0xFF0000); }
};

TEST_F(KurveTest, UrsprungsgeradeIstDieDiagonale)
{
    kurve({Gerade, {{1, 0}}, {}, false});
    for (int x = 71; x <= 502; ++x)
        ASSERT_TRUE(blau(x, 215 - (x - 287))) << "column " << x;
    EXPECT_FALSE(blau(100, 100));
}

TEST_F(KurveTest, LaufEndetVorSeinemLetztenPunkt)
{
    Abschnitte sichtbar;
    sichtbar.Anzahl = 1;
    sichtbar.Von[0] = -2;
    sichtbar.Bis[0] = 3;
    kurve({Gerade, {{0, 0.5}}, sichtbar, false});
    EXPECT_FALSE(blau(214, 197));
    for (int x = 215; x <= 394; ++x)
        ASSERT_TRUE(blau(x, 197)) << "column " << x;
    EXPECT_FALSE(blau(395, 197)) << "the end point of the last line-to";
}

TEST_F(KurveTest, DickesSchaubild)
{
    kurve({Gerade, {{0, 0.5}}, {}, false}, 3);
    for (const int zeile : {196, 197, 198})
        EXPECT_TRUE(blau(300, zeile));
    EXPECT_FALSE(blau(300, 195));
    EXPECT_FALSE(blau(300, 199));
}

// y = 3x - 22 ends with a steep segment from (575, 143) toward (576, 140):
// its third pixel falls on column 576, beyond the image, and must not wrap
// round to column 0 of the next row.
TEST_F(KurveTest, SteilesEndstueckBleibtImBild)
{
    kurve({Gerade, {{3, -22}}, {}, false});
    EXPECT_TRUE(blau(575, 143));
    EXPECT_TRUE(blau(575, 142));
    EXPECT_FALSE(blau(575, 141));
    EXPECT_EQ(farbe(0, 142), QColor(Qt::white));
}

TEST_F(KurveTest, SteilerSprungZeichnetEineSenkrechte)
{
    kurve({Hyperbel, {{1, 0.3, 0}}, {}, false});
    int senkrecht = 0;
    for (int y = 0; y < BildHoehe; ++y)
        senkrecht += blau(276, y) || blau(277, y);
    EXPECT_EQ(senkrecht, BildHoehe) << "the given graph joins the branches across the plot";
}

TEST_F(KurveTest, RechenfehlerLaesstDieLeereEbene)
{
    const QImage ebene = zeichne().copy();
    EXPECT_THROW(ZeichneKurve(bild, {Exponential, {{1, -2, 0}}, {}, false}, Farbe(0xFF0000), 1), Rechenfehler);
    EXPECT_EQ(bild, ebene);
}

// The checker asks whether a line would set a pixel instead of drawing it:
// short lines about a small image, and some steep ones from far outside.
TEST(LinieTrifftBild, GenauWennLeinwandEinenBildpunktSetzt)
{
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> nah(-12, 52);
    QImage weiss(40, 30, QImage::Format_RGB32);
    weiss.fill(Qt::white);
    for (int n = 0; n < 20000; ++n) {
        const QPoint von(nah(zufall), nah(zufall) - 5);
        const QPoint bis(nah(zufall), n % 10 ? nah(zufall) - 5 : 100000);
        QImage bild = weiss.copy();
        Leinwand(bild).Linie(von, bis);
        ASSERT_EQ(LinieTrifftBild(von, bis, weiss.size()), bild != weiss) << n;
    }
}

// The axis numbers are whole numbers: under German settings they carry no
// separator either, so the plane looks exactly as under the C locale.
TEST_F(EbeneTest, AchsenzahlenOhneTrennzeichenInJederRegion)
{
    QImage unterC;
    {
        const Regionswechsel c("C");
        unterC = zeichne().copy();
    }
    const Regionswechsel deutsch("de_DE.UTF-8");
    ASSERT_TRUE(deutsch.Gelungen()) << "de_DE.UTF-8 is not installed";
    bild.fill(Qt::red);
    EXPECT_EQ(zeichne(), unterC);
}

// One change of the display settings between two passes, and a pixel of
// the plane that shows it.
struct Aenderung {
    const char* name;
    void (*aendere)(Anzeigeoptionen&);
    QPoint punkt;
    std::uint32_t farbe; // 0x00BBGGRR
};

void PrintTo(const Aenderung& a, std::ostream* aus) { *aus << a.name; }

const Aenderung Aenderungen[] = {
    {"Netzfarbe", [](Anzeigeoptionen& a) { a.NetzFarbe = Farbe(0x008000); }, {35, 10}, 0x008000},
    {"Achsenfarbe", [](Anzeigeoptionen& a) { a.AchsenFarbe = Farbe(0x0000FF); }, {10, 215}, 0x0000FF},
    {"dickeAchsen", [](Anzeigeoptionen& a) { a.AchsenDicke = 3; }, {10, 214}, 0x000000},
    {"halbesRaster", [](Anzeigeoptionen& a) { a.HalbRaster = true; }, {17, 10}, 0xC0C0C0},
    // The graphs' settings leave the plane as it was.
    {"Vorgabefarbe", [](Anzeigeoptionen& a) { a.VorgFarbe = Farbe(0x00FF00); }, {10, 214}, 0xFFFFFF},
    {"dickeSchaubilder", [](Anzeigeoptionen& a) { a.SchaubildDicke = 3; }, {10, 215}, 0x000000},
};

class VorlageTest : public EbeneTest, public ::testing::WithParamInterface<Aenderung> {
protected:
    // A pass as the window makes it: the kept plane, then a graph over it,
    // here the line y = 0 in green right over the x axis.
    void durchlauf()
    {
        vorlage.Zeichne(bild, anzeige);
        ZeichneKurve(bild, {Gerade, {{0, 0}}, {}, false}, Farbe(0x00FF00), 3);
    }

    Ebenenvorlage vorlage;
};

// The graph of one pass never reaches the kept plane, and a changed setting
// shows at the next pass: every pass starts from exactly the plane that
// ZeichneEbene draws in the settings of that pass.
TEST_P(VorlageTest, JederDurchlaufBeginntMitDerEbeneDerEinstellungen)
{
    const Aenderung& aenderung = GetParam();
    durchlauf();
    ASSERT_EQ(farbe(10, 215), Farbe(0x00FF00));
    aenderung.aendere(anzeige);
    vorlage.Zeichne(bild, anzeige);
    EXPECT_EQ(farbe(aenderung.punkt.x(), aenderung.punkt.y()), Farbe(aenderung.farbe));
    QImage frisch(BildBreite, BildHoehe, QImage::Format_RGB32);
    ZeichneEbene(frisch, anzeige);
    EXPECT_EQ(ersterUnterschied(bild, frisch), "");
}

INSTANTIATE_TEST_SUITE_P(Einstellungen, VorlageTest, ::testing::ValuesIn(Aenderungen));

} // namespace
