// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/termaufbau.h"

#include <QStringList>

#include "testhilfe.h"

#include <gtest/gtest.h>

namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);

// The pieces of the value equation in reading order, as the eye meets them.
const char* Lesereihenfolge(int typ)
{
    switch (typ) {
    case Gerade:
        return "T0 W0 S0 T1 W1";
    case Betrag:
    case Hyperbel:
        return "T0 W0 S0 T1 W1 T2 W2";
    case Parabel2:
    case Parabel3:
        return "T0 W0 S0 T1 W1 T2 T3 W2";
    case Sinus:
        return "T0 W0 S0 T1 W1 S1 T2 W2 T3 W3";
    default:
        return "T0 W0 S0 W1 T2 T1 W2";
    }
}

// What the value equation shows: every piece with text, "·" for a dot and
// "—" for the fraction bar; pieces hidden by width and empty texts are left out.
QStringList lies(int typ, const Wertanzeige& a)
{
    QStringList gelesen;
    for (const QString& stueck : QString::fromLatin1(Lesereihenfolge(typ)).split(QLatin1Char(' '))) {
        const int i = stueck.mid(1).toInt();
        const char art = stueck.at(0).toLatin1();
        if (art == 'T' && !a.T[i].isEmpty())
            gelesen << a.T[i];
        else if (art == 'W' && !a.WVerborgen[i])
            gelesen << a.W[i];
        else if (art == 'S' && !a.SVerborgen[i])
            gelesen << (typ == Hyperbel ? QStringLiteral("—") : QStringLiteral("·"));
    }
    return gelesen;
}

struct Anzeige {
    int typ;
    ParameterSatz p;
    const char* gelesen; // pieces separated by '¦'
};

const Anzeige Anzeigen[] = {
    {Gerade, {{2, 3}}, "=¦2¦·¦x¦+ 3"},
    {Gerade, {{1, -3}}, "=¦x¦- 3"},
    {Gerade, {{-1, 0}}, "=¦- x"},
    {Gerade, {{-1, 2}}, "=¦- x¦+ 2"},
    {Gerade, {{1, 0}}, "=¦x"},
    {Gerade, {{0, 4}}, "=¦4"},
    {Gerade, {{0, -3}}, "=¦- 3"},
    {Gerade, {{0, 0}}, "=¦0"},
    {Gerade, {{0.5, 0}}, "=¦0,5¦·¦x"},
    {Gerade, {{0.00005, 0}}, "=¦5E-5¦·¦x"},
    {Gerade, {{0.0001, -0.25}}, "=¦0,0001¦·¦x¦- 0,25"},
    {Betrag, {{2, -1, 3}}, "=¦2¦·¦|x¦- 1¦|¦+ 3"},
    {Betrag, {{-1, 0, 0}}, "=¦-¦|x¦|"},
    {Betrag, {{0, 2, 0}}, "=¦0¦·¦|x¦+ 2¦|"},
    {Betrag, {{1, 0, -4}}, "=¦|x¦|¦- 4"},
    {Parabel2, {{1, 2, -3}}, "=¦(x¦+ 2¦) ¦2¦- 3"},
    {Parabel2, {{-0.5, 0, 0}}, "=¦-0,5¦·¦x¦2"},
    {Parabel2, {{0, 0, 1}}, "=¦0¦·¦x¦2¦+ 1"},
    {Parabel3, {{-1, -1, 0}}, "=¦-¦(x¦- 1¦) ¦3"},
    {Sinus, {{1, 1, 0, 0}}, "=¦sin(¦x¦)"},
    {Sinus, {{2, 1, 1, 0}}, "=¦2¦·¦sin(¦x¦+ 1¦)"},
    {Sinus, {{1, 2, 0, -1}}, "=¦sin(¦2¦·¦x¦)¦- 1"},
    {Sinus, {{-1, 2, -1, 3}}, "=¦-¦sin(¦2¦·¦(x¦- 1¦))¦+ 3"},
    {Sinus, {{0, 0.5, 2, 0}}, "=¦0¦·¦sin(¦0,5¦·¦(x¦+ 2¦))"},
    {Hyperbel, {{1, 0, 0}}, "=¦1¦—¦x"},
    {Hyperbel, {{-1, 2, -3}}, "=¦-1¦—¦x¦+ 2¦- 3"},
    {Exponential, {{3, 0.5, -2}}, "=¦3¦·¦0,5¦x¦- 2"},
    {Exponential, {{1, 2, 0}}, "=¦2¦x"},
    {Exponential, {{-1, 3, 1}}, "=¦-¦3¦x¦+ 1"},
};

class WerteAnzeigenTest : public ::testing::TestWithParam<Anzeige> {};

TEST_P(WerteAnzeigenTest, ZeigtDieGleichungWieGedruckt)
{
    ParameterSatz p = GetParam().p;
    const QStringList erwartet = QString::fromUtf8(GetParam().gelesen).split(QStringLiteral("¦"));
    EXPECT_EQ(lies(GetParam().typ, WerteAnzeigen(GetParam().typ, p, Deutsch)), erwartet);
    EXPECT_EQ(p, GetParam().p) << "only a negative k or b is rewritten";
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, WerteAnzeigenTest, ::testing::ValuesIn(Anzeigen));

TEST(WerteAnzeigen, NegativeFrequenzUndBasisWerdenIhrBetrag)
{
    ParameterSatz sinus{{1, -2, 0, 0}};
    EXPECT_EQ(lies(Sinus, WerteAnzeigen(Sinus, sinus, Deutsch)),
              QStringList({"=", "sin(", "2", "·", "x", ")"}));
    EXPECT_EQ(sinus[1], 2);

    ParameterSatz exponential{{2, -0.5, 1, 0}};
    EXPECT_EQ(lies(Exponential, WerteAnzeigen(Exponential, exponential, Deutsch)),
              QStringList({"=", "2", "·", "0,5", "x", "+ 1"}));
    EXPECT_EQ(exponential[1], 0.5);
}

TEST(WerteAnzeigen, EinVerborgenesStueckBehaeltSeinenText)
{
    ParameterSatz p{{1, 0, 0, 0}};
    const Wertanzeige a = WerteAnzeigen(Betrag, p, Deutsch);
    EXPECT_TRUE(a.WVerborgen[0]);
    EXPECT_EQ(a.W[0], QStringLiteral("1"));
    EXPECT_EQ(a.W[1], QStringLiteral("+ 0"));
}

// Widths that make every step of a layout visible in the numbers.
Termgeometrie geometrie(std::array<int, 4> t, std::array<int, 4> w)
{
    Termgeometrie g;
    g.TLinks[0] = 8;
    g.TBreite = t;
    g.WBreite = w;
    g.SBreite = {4, 4};
    return g;
}

// Each row lays out pieces of made-up widths behind "f(x) =" at 8 with
// width 37, so the equation starts at x0 = 50; the expected lefts are worked
// out by hand from the layout rules.
struct Lage {
    int typ;
    std::array<int, 4> tBreite, wBreite;
    std::array<int, 2> sBreite;
    bool t2Leer;
    std::array<int, 4> tLinks, wLinks;
    std::array<int, 2> sLinks;
    int ende;
};

const Lage Lagen[] = {
    {Gerade, {37, 15, 0, 0}, {20, 25, 0, 0}, {4, 4}, false, {8, 82, 0, 0}, {50, 101, 0, 0}, {74, 0}, 126},
    {Gerade, {37, 15, 0, 0}, {0, 25, 0, 0}, {0, 4}, false, {8, 50, 0, 0}, {50, 69, 0, 0}, {42, 0}, 94},
    {Betrag, {37, 16, 9, 0}, {20, 25, 30, 0}, {4, 4}, false, {8, 79, 124, 0}, {50, 99, 138, 0}, {72, 0}, 168},
    {Betrag, {37, 16, 9, 0}, {0, 0, 30, 0}, {0, 4}, false, {8, 50, 66, 0}, {50, 66, 80, 0}, {43, 0}, 110},
    {Parabel2, {37, 16, 12, 6}, {20, 25, 30, 0}, {4, 4}, false, {8, 79, 125, 130}, {50, 99, 142, 0}, {72, 0}, 172},
    {Parabel3, {37, 8, 4, 6}, {0, 0, 0, 0}, {0, 4}, true, {8, 50, 59, 59}, {50, 58, 68, 0}, {43, 0}, 68},
    {Sinus, {37, 25, 20, 18}, {20, 35, 35, 35}, {4, 4}, false, {8, 79, 148, 207}, {50, 105, 172, 230}, {72, 142}, 265},
    {Sinus, {37, 25, 8, 5}, {0, 0, 0, 0}, {0, 0}, false, {8, 50, 75, 83}, {50, 75, 0, 93}, {43, 69}, 93},
    {Hyperbel, {37, 8, 9, 0}, {12, 25, 30, 0}, {4, 4}, false, {8, 54, 96, 0}, {66, 66, 109, 0}, {50, 0}, 139},
    {Exponential, {37, 10, 8, 0}, {20, 25, 30, 0}, {4, 4}, false, {8, 111, 107, 0}, {50, 81, 126, 0}, {74, 0}, 156},
};

class AnordnenTest : public ::testing::TestWithParam<Lage> {};

TEST_P(AnordnenTest, SetztJedesStueckAufSeinenPlatz)
{
    const Lage& l = GetParam();
    Termgeometrie g;
    g.TLinks[0] = 8;
    g.TBreite = l.tBreite;
    g.WBreite = l.wBreite;
    g.SBreite = l.sBreite;
    g.T2Leer = l.t2Leer;
    EXPECT_EQ(Anordnen(l.typ, g), l.ende);
    EXPECT_EQ(g.TLinks, l.tLinks);
    EXPECT_EQ(g.WLinks, l.wLinks);
    EXPECT_EQ(g.SLinks, l.sLinks);
}

INSTANTIATE_TEST_SUITE_P(AlleTypen, AnordnenTest, ::testing::ValuesIn(Lagen));

TEST(Anordnen, BruchstrichUeberspanntDenNenner)
{
    Termgeometrie g;
    g.TLinks[0] = 8;
    g.TBreite = {37, 8, 9, 0};
    g.WBreite = {12, 25, 30, 0};
    Anordnen(Hyperbel, g);
    EXPECT_EQ(g.SBreite[0], 45);
}

TEST(Anordnen, BreiterZaehlerRagtNachLinksUeberDenStrich)
{
    // Bar 17 wide, numerator 50: half the difference is -16.5, truncated
    // toward zero to -16 (not -17).
    Termgeometrie g = geometrie({10, 9, 4, 0}, {50, 0, 0, 0});
    Anordnen(Hyperbel, g);
    EXPECT_EQ(g.SBreite[0], 17);
    EXPECT_EQ(g.WLinks[0], g.SLinks[0] - 16);
}

} // namespace
