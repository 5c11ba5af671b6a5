#include "blatt/blattdruck.h"

#include "testhilfe.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What a poppler tool prints; fails the test when it cannot run.
QString poppler(const QString& programm, const QStringList& argumente)
{
    QProcess prozess;
    prozess.start(programm, argumente);
    EXPECT_TRUE(prozess.waitForFinished(60000)) << programm.toStdString() << " (poppler-utils) did not run";
    EXPECT_EQ(prozess.exitCode(), 0) << prozess.readAllStandardError().toStdString();
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

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
    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Verschobene Schaubilder"))));
}

TEST_F(BlattdruckTest, DieSchriftIstEingebettet)
{
    const QString schriften = poppler(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(schriften.contains(QRegularExpression(QStringLiteral("LiberationSans\\S* .* yes "))))
        << schriften.toStdString();
    EXPECT_FALSE(schriften.contains(QRegularExpression(QStringLiteral(" no  +(yes|no) +yes"))))
        << "a face that is not embedded: " << schriften.toStdString();
}

TEST_F(BlattdruckTest, EinRechenfehlerWirdGemeldet)
{
    EXPECT_EQ(fehler, QStringList{QStringLiteral("Aufgabe 3: Ungültige Gleitkommaoperation.")});
}

TEST_F(BlattdruckTest, TexteStehenAufIhrenSeiten)
{
    const QString erste = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                                QStringLiteral("-l"), QStringLiteral("1"), pdf,
                                                                QStringLiteral("-")});
    EXPECT_TRUE(erste.contains(QStringLiteral("Verschobene Schaubilder")));
    EXPECT_EQ(erste.count(QStringLiteral("f(x) =")), 2) << erste.toStdString();
    const QString loesungen = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("3"),
                                                                    QStringLiteral("-l"), QStringLiteral("3"), pdf,
                                                                    QStringLiteral("-")});
    for (const char* text : {"Lösungen", "f(x) = x", "f(x) = x² - 2", "f(x) = 2ˣ", "Parabel"})
        EXPECT_TRUE(loesungen.contains(QString::fromUtf8(text))) << text << " in " << loesungen.toStdString();
}

// The page at 127 dpi: 5 pixels per millimetre.
QImage seite(const QString& pdf, int nummer, const QString& ordner)
{
    const QString n = QString::number(nummer);
    poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("127"),
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

TEST(Blattdruck, EinUnerreichbarerOrdnerIstEinFehler)
{
    EXPECT_THROW(SchreibeArbeitsblatt(dreiAufgaben(), QStringLiteral("/gibt-es-nicht/blatt.pdf")), Blattfehler);
}

} // namespace
