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

TEST(Anordnen, BreiterZaehlerRagtNachLinksUeberDenStrich)
{
    // Bar 17 wide, numerator 50: half the difference is -16.5, truncated
    // toward zero to -16 (not -17).
    Termgeometrie g = geometrie({10, 9, 4, 0}, {50, 0, 0, 0});
    Anordnen(Hyperbel, g);
    EXPECT_EQ(g.SBreite[0], 17);
    EXPECT_EQ(g.WLinks[0], g.SLinks[0] - 16);
}

TEST(Anordnen, SinusUeberspringtVerborgeneWerte)
{
    Termgeometrie voll = geometrie({10, 25, 20, 18}, {35, 35, 35, 35});
    const int ende = Anordnen(Sinus, voll);
    EXPECT_EQ(voll.WLinks[1], voll.TLinks[1] + 25 + 1);
    EXPECT_EQ(voll.TLinks[2], voll.WLinks[1] + 35 + 4 + 4);
    EXPECT_EQ(voll.SLinks[1], voll.TLinks[2] - 6);
    EXPECT_EQ(voll.WLinks[2], voll.TLinks[2] + 20 + 4);
    EXPECT_EQ(voll.TLinks[3], voll.WLinks[2] + 35);
    EXPECT_EQ(ende, voll.TLinks[3] + 18 + 5 + 35);

    // sin(x): no factor, no k, no d, no c.
    Termgeometrie leer = geometrie({10, 25, 8, 5}, {0, 0, 0, 0});
    leer.SBreite = {0, 0};
    const int leerEnde = Anordnen(Sinus, leer);
    EXPECT_EQ(leer.TLinks[1], 8 + 10 + 5);
    EXPECT_EQ(leer.TLinks[2], leer.TLinks[1] + 25);
    EXPECT_EQ(leer.TLinks[3], leer.TLinks[2] + 8);
    EXPECT_EQ(leerEnde, leer.TLinks[3] + 5 + 5);
}

} // namespace
