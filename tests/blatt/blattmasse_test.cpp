// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/blattmasse.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(Blattmasse, EineEinheitIstEinZentimeter)
{
    const Aufgabenplatz platz = Aufgabenplaetze(1).front();
    EXPECT_EQ(platz.Ebene, QRectF(25, 19, 160, 120)) << "x -8..8, y -6..6, centred on the page";
    const struct {
        double x, y;
        QPointF mm;
    } punkte[] = {
        {0, 0, {105, 79}}, {1, 0, {115, 79}}, {0, 1, {105, 69}}, {-8, -6, {25, 139}},
        {8, 6, {185, 19}}, {-2.5, 0.5, {80, 74}},
    };
    for (const auto& p : punkte)
        EXPECT_EQ(platz.Punkt(p.x, p.y), p.mm) << "(" << p.x << ", " << p.y << ")";
    EXPECT_EQ(platz.Antwort(), QPointF(25, 147)) << "8 mm under the plane";
}

TEST(Blattmasse, ZweiAufgabenProSeite)
{
    EXPECT_EQ(AufgabenProSeite(true), 2);
    EXPECT_EQ(AufgabenProSeite(false), 2);
}

struct Aufteilung {
    int anzahl;
    std::vector<int> seiten;
    std::vector<double> oben; // top of each plane in mm
    int seitenzahl;           // with the answer key
};

const Aufteilung Aufteilungen[] = {
    {1, {0}, {19}, 2},
    {2, {0, 0}, {19, 156}, 2},
    {3, {0, 0, 1}, {19, 156, 10}, 3},
    {4, {0, 0, 1, 1}, {19, 156, 10, 147}, 3},
    {5, {0, 0, 1, 1, 2}, {19, 156, 10, 147, 10}, 4},
};

class AufteilungTest : public ::testing::TestWithParam<Aufteilung> {};

TEST_P(AufteilungTest, FuelltSeiteNachSeite)
{
    std::vector<int> seiten;
    std::vector<double> oben;
    for (const Aufgabenplatz& platz : Aufgabenplaetze(GetParam().anzahl)) {
        seiten.push_back(platz.Seite);
        oben.push_back(platz.Ebene.top());
    }
    EXPECT_EQ(seiten, GetParam().seiten);
    EXPECT_EQ(oben, GetParam().oben);
    EXPECT_EQ(Seitenzahl(GetParam().anzahl), GetParam().seitenzahl);
}

INSTANTIATE_TEST_SUITE_P(EinsBisFuenf, AufteilungTest, ::testing::ValuesIn(Aufteilungen));

TEST(Blattmasse, JedeAufgabeBleibtInnerhalbDerRaender)
{
    for (const Aufgabenplatz& platz : Aufgabenplaetze(40)) {
        EXPECT_GE(platz.Ebene.top(), 10);
        EXPECT_LE(platz.Antwort().y() + 3, 287) << "page " << platz.Seite;
        EXPECT_GE(platz.Ebene.left() - 10, 15) << "room for the task's number";
        EXPECT_LE(platz.Ebene.right(), 195);
    }
}

TEST(Blattmasse, DieLoesungenFolgenDenAufgaben)
{
    const std::vector<Loesungsplatz> drei = Loesungsplaetze(3);
    ASSERT_EQ(drei.size(), 3U);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(drei[i].Seite, 2);
        EXPECT_EQ(drei[i].Grundlinie, 26 + 7.0 * static_cast<double>(i));
    }

    // 39 tasks fill 20 pages; 38 lines fit on the first page of the key.
    const std::vector<Loesungsplatz> viele = Loesungsplaetze(39);
    EXPECT_EQ(LoesungenProSeite(), 38);
    EXPECT_EQ(viele[37].Seite, 20);
    EXPECT_EQ(viele[37].Grundlinie, 285);
    EXPECT_EQ(viele[38].Seite, 21);
    EXPECT_EQ(viele[38].Grundlinie, 26);
    EXPECT_EQ(Seitenzahl(38), 20);
    EXPECT_EQ(Seitenzahl(39), 22);
}

} // namespace
