// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "basis/aussehen.h"

#include <QFile>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(Farbe, BlauStehtImHohenByte)
{
    EXPECT_EQ(Farbe(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(Farbe(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(Farbe(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(Farbe(0x123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(Farbe(0xFFFFFFFF), QColor(255, 255, 255)) << "the top byte is no colour";
}

struct Breitenfall {
    int pixel;
    bool fett;
    const char* text;
};

const Breitenfall Breitenfaelle[] = {
    {16, false, "f(x) ="}, {16, true, "f(x) ="}, {11, false, "2"},       {11, true, "2"},
    {13, false, "x"},      {13, true, "x"},      {16, false, " "},       {16, true, "-0,33333"},
    {16, false, "·"},      {16, false, "sin("},  {16, false, "mmmmmm"}, {16, true, "mmmmmm"},
};

// Asked twice, the second answer comes from the store.
TEST(Textbreite, WieDieSchriftmetrik)
{
    for (int runde = 0; runde < 2; ++runde) {
        for (const Breitenfall& fall : Breitenfaelle) {
            const QFont schrift = Schrift(fall.pixel, fall.fett);
            const QString text = QString::fromUtf8(fall.text);
            EXPECT_EQ(Textbreite(schrift, text), QFontMetrics(schrift).horizontalAdvance(text))
                << fall.pixel << (fall.fett ? " bold " : " ") << fall.text << " round " << runde;
        }
    }
}

// The store tells the faces apart: the same text in another face is measured
// afresh, whichever face asked first.
TEST(Textbreite, JedeSchriftHatIhreBreite)
{
    const QString text = QStringLiteral("mmmmmmmm");
    const int normal = Textbreite(Schrift(16), text);
    EXPECT_GT(Textbreite(Schrift(16, true), text), normal);
    EXPECT_GT(Textbreite(Schrift(20), text), normal);
    EXPECT_LT(Textbreite(Schrift(11), text), normal);
    EXPECT_EQ(Textbreite(Schrift(16), QString()), 0);
}

// A piece is shaped once per face; the store starts afresh when it holds
// 1000 pieces, and measures right after that too.
TEST(Breitenspeicher, EinmalJeSchriftUndText)
{
    Breitenspeicher speicher;
    const QFont normal = Schrift(16);
    speicher.Breite(normal, QStringLiteral("x"));
    speicher.Breite(normal, QStringLiteral("x"));
    EXPECT_EQ(speicher.Anzahl(), 1);
    speicher.Breite(Schrift(16, true), QStringLiteral("x"));
    EXPECT_EQ(speicher.Anzahl(), 2);
    for (int i = 0; speicher.Anzahl() < 1000; ++i)
        speicher.Breite(normal, QString::number(i));
    speicher.Breite(normal, QStringLiteral("x"));
    EXPECT_EQ(speicher.Anzahl(), 1000) << "a known piece adds nothing";
    const QString neu = QStringLiteral("mmW");
    EXPECT_EQ(speicher.Breite(normal, neu), QFontMetrics(normal).horizontalAdvance(neu));
    EXPECT_EQ(speicher.Anzahl(), 1) << "started afresh";
}

// The test program starts as Kurvix does, window icon included.
TEST(PngBild, LiestOhneDieBildPlugins)
{
    EXPECT_EQ(PngBild(QStringLiteral("symbol16")).size(), QSize(16, 16));
    QFile karte(QStringLiteral("/proc/self/maps"));
    ASSERT_TRUE(karte.open(QIODevice::ReadOnly));
    EXPECT_FALSE(karte.readAll().contains("/imageformats/")) << "a guessed format loads every image plugin";
}

} // namespace
