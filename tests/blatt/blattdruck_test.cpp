// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/blattdruck.h"

#include "testhilfe.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

Arbeitsblatt dreiAufgaben()
{
    Arbeitsblatt blatt;
    blatt.Ueberschrift = QStringLiteral("Verschobene Schaubilder");
    blatt.Aufgaben = {
        {Gerade, {{1, 0}}, {}, false},
        {Parabel2, {{1, 0, -2}}, {1, {-2, 0}, {3, 0}}, false},
        {Exponential, {{1, -2, 0}}, {}, false},
    };
    return blatt;
}

class BlattdruckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ordner.isValid());
        fehler = SchreibeArbeitsblatt(dreiAufgaben(), pdf);
    }

    QTemporaryDir ordner;
    QString pdf = ordner.filePath(QStringLiteral("blatt.pdf"));
    QStringList fehler;
};

TEST_F(BlattdruckTest, ZweiSeitenAufgabenUndEineSeiteLoesungenAufA4)
{
    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Verschobene Schaubilder"))));
}

TEST_F(BlattdruckTest, DieSchriftIstEingebettet)
{
    const QString schriften = Poppler(QStringLiteral("pdffonts"), {pdf});
    for (const char* schnitt : {"LiberationSans", "LiberationSans-Bold"})
        EXPECT_TRUE(schriften.contains(QRegularExpression(QStringLiteral("\\n%1 .* yes ").arg(QLatin1String(schnitt)))))
            << schnitt << " in " << schriften.toStdString();
    EXPECT_FALSE(schriften.contains(QRegularExpression(QStringLiteral(" no  +(yes|no) +yes"))))
        << "a face that is not embedded: " << schriften.toStdString();
}

TEST_F(BlattdruckTest, EinRechenfehlerWirdGemeldet)
{
    EXPECT_EQ(fehler, QStringList{QStringLiteral("Aufgabe 3: Ungültige Gleitkommaoperation.")});
}

TEST_F(BlattdruckTest, TexteStehenAufIhrenSeiten)
{
    const QString erste = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                                QStringLiteral("-l"), QStringLiteral("1"), pdf,
                                                                QStringLiteral("-")});
    EXPECT_TRUE(erste.contains(QStringLiteral("Verschobene Schaubilder")));
    EXPECT_EQ(erste.count(QStringLiteral("f(x) =")), 2) << erste.toStdString();
    const QString loesungen = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("3"),
                                                                    QStringLiteral("-l"), QStringLiteral("3"), pdf,
                                                                    QStringLiteral("-")});
    for (const char* text : {"Lösungen", "f(x) = x", "f(x) = x² - 2", "f(x) = 2ˣ", "Parabel"})
        EXPECT_TRUE(loesungen.contains(QString::fromUtf8(text))) << text << " in " << loesungen.toStdString();
}

// The page at 127 dpi: 5 pixels per millimetre.
QImage seite(const QString& pdf, int nummer, const QString& ordner)
{
    const QString n = QString::number(nummer);
    Poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("127"),
                                         QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-singlefile"),
                                         pdf, ordner + QStringLiteral("/seite")});
    return QImage(ordner + QStringLiteral("/seite.png")).convertToFormat(QImage::Format_RGB32);
}

// The darkest grey and the bluest colour in the 3 × 3 pixels around a point.
int dunkelstes(const QImage& bild, int x, int y)
{
    int wert = 255;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            wert = std::min(wert, qGray(bild.pixel(x + dx, y + dy)));
    return wert;
}

bool blau(const QImage& bild, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor c = bild.pixelColor(x + dx, y + dy);
            if (c.blue() > 200 && c.red() < 80 && c.green() < 80)
                return true;
        }
    return false;
}

TEST_F(BlattdruckTest, DieEbeneHatEinenZentimeterProEinheit)
{
    const QImage bild = seite(pdf, 1, ordner.path());
    ASSERT_EQ(bild.size(), QSize(1050, 1486));
    struct Pixel {
        const char* was;
        int x, y;
        bool dunkel;
    } const pixel[] = {
        {"x axis at x = -4.5", 300, 395, true},   {"1 mm below it", 300, 400, false},
        {"y axis at y = 3.9", 525, 200, true},    {"1 mm right of it", 530, 200, false},
        {"x axis of task 2", 300, 1080, true},    {"outside the plane", 100, 395, false},
    };
    for (const Pixel& p : pixel)
        EXPECT_EQ(dunkelstes(bild, p.x, p.y) < 128, p.dunkel) << p.was;
    // f(x) = x through (2, 2) and (-5, -5), i.e. 2 cm right of and 2 cm above the origin.
    EXPECT_TRUE(blau(bild, 625, 295));
    EXPECT_TRUE(blau(bild, 275, 645));
    EXPECT_FALSE(blau(bild, 625, 305));
    // The parabola x² - 2 of task 2 (origin at row 1080) only from x = -2 to 3:
    // its vertex (0, -2) and (-1.5, 0.25) are drawn, (-2.5, 4.25) is not.
    EXPECT_TRUE(blau(bild, 525, 1180));
    EXPECT_TRUE(blau(bild, 450, 1068));
    EXPECT_FALSE(blau(bild, 400, 868));
}

// A word of the first page and its box in points.
struct Wort {
    QString text;
    QRectF box;
};

std::vector<Wort> woerter(const QString& pdf)
{
    const QString xhtml = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"),
                                                               QStringLiteral("1"), QStringLiteral("-l"),
                                                               QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression muster(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Wort> ergebnis;
    for (const QRegularExpressionMatch& m : muster.globalMatch(xhtml)) {
        const QPointF oben(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF unten(m.captured(3).toDouble(), m.captured(4).toDouble());
        ergebnis.push_back({m.captured(5), QRectF(oben, unten)});
    }
    return ergebnis;
}

constexpr double Punkt = 72 / 25.4; // points per millimetre

// The numbers of the first plane: the digits centred under the ticks of the
// x axis (a minus sign before them), the y numbers ending 2,7 mm left of the
// y axis, centred on their ticks. Plane 1 has its origin at (105, 79) mm.
TEST_F(BlattdruckTest, DieZahlenStehenAnIhrenTeilstrichen)
{
    struct Zahl {
        const char* text;
        double mitteX, mitteY; // mm; the digit's centre, or for y numbers the right end
        bool yAchse;
    } const zahlen[] = {
        {"1", 115, 0, false}, {"7", 175, 0, false}, {"-1", 95, 0, false}, {"-7", 35, 0, false},
        {"5", 102.3, 29, true}, {"1", 102.3, 69, true}, {"-2", 102.3, 99, true}, {"-5", 102.3, 129, true},
    };
    const std::vector<Wort> alle = woerter(pdf);
    const double ziffer = 5.004; // the width of one digit at 9 points, in points
    for (const Zahl& z : zahlen) {
        const auto gefunden = std::ranges::find_if(alle, [&](const Wort& w) {
            const bool unterDerAchse = w.box.top() > 79 * Punkt && w.box.top() < 82 * Punkt;
            return w.text == QLatin1String(z.text) && (z.yAchse ? std::abs(w.box.right() - 102.3 * Punkt) < 3 : unterDerAchse);
        });
        ASSERT_NE(gefunden, alle.end()) << z.text;
        if (z.yAchse) {
            EXPECT_NEAR(gefunden->box.right(), z.mitteX * Punkt, 0.3) << z.text;
            EXPECT_NEAR(gefunden->box.center().y(), z.mitteY * Punkt, 0.3) << z.text;
        } else {
            EXPECT_NEAR(gefunden->box.right() - ziffer / 2, z.mitteX * Punkt, 0.3) << z.text;
            EXPECT_NEAR(gefunden->box.top(), 80.7 * Punkt, 1) << z.text << ": 1,7 mm tick, 0,8 mm gap, the ascent";
        }
    }
}

// The heading's words: everything above the first plane (19 mm).
std::vector<Wort> ueberschrift(const QString& pdf)
{
    std::vector<Wort> oben;
    for (const Wort& w : woerter(pdf))
        if (w.box.bottom() < 19 * Punkt)
            oben.push_back(w);
    return oben;
}

TEST_F(BlattdruckTest, DieUeberschriftStehtIn14Punkt)
{
    const std::vector<Wort> oben = ueberschrift(pdf);
    ASSERT_EQ(oben.size(), 2U);
    EXPECT_NEAR(oben[0].box.left(), 15 * Punkt, 0.5);
    EXPECT_NEAR(oben[0].box.height(), 15.6, 0.5) << "the line height of 14 points";
}

TEST(Blattdruck, EineLangeUeberschriftWirdKleiner)
{
    QTemporaryDir ordner;
    Arbeitsblatt blatt = dreiAufgaben();
    blatt.Ueberschrift = QStringLiteral("Klasse 10b, Klassenarbeit Nummer 3: Verschiebe und strecke die Schaubilder "
                                        "und gib zu jedem die Gleichung an!");
    const QString pdf = ordner.filePath(QStringLiteral("lang.pdf"));
    SchreibeArbeitsblatt(blatt, pdf);
    const std::vector<Wort> oben = ueberschrift(pdf);
    ASSERT_EQ(oben.size(), 17U) << "every word, none elided";
    EXPECT_LE(oben.back().box.right(), 195 * Punkt) << "within the right margin";
    EXPECT_LT(oben.front().box.height(), 14);
    EXPECT_GT(oben.front().box.height(), 10) << "no smaller than needed";
}

TEST(Blattdruck, EinUnerreichbarerOrdnerIstEinFehler)
{
    EXPECT_THROW(SchreibeArbeitsblatt(dreiAufgaben(), QStringLiteral("/gibt-es-nicht/blatt.pdf")), Blattfehler);
}

} // namespace
