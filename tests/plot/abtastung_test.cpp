// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/abtastung.h"

#include "plot/geometrie.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <limits>
#include <vector>

namespace {

struct Schritt {
    bool linie; // line-to, else move-to
    int spalte;
    int zeile;
    friend bool operator==(const Schritt&, const Schritt&) = default;
};

void PrintTo(const Schritt& s, std::ostream* aus)
{
    *aus << (s.linie ? "LinieBis(" : "BewegeZu(") << s.spalte << ", " << s.zeile << ")";
}

class Aufzeichnung : public Zeichenziel {
public:
    void BewegeZu(int spalte, int zeile) override { schritte.push_back({false, spalte, zeile}); }
    void LinieBis(int spalte, int zeile) override { schritte.push_back({true, spalte, zeile}); }

    // The first and last column of every run of joined samples.
    std::vector<std::pair<int, int>> laeufe() const
    {
        std::vector<std::pair<int, int>> ergebnis;
        for (const Schritt& s : schritte) {
            if (!s.linie)
                ergebnis.push_back({s.spalte, s.spalte});
            else
                ergebnis.back().second = s.spalte;
        }
        return ergebnis;
    }

    const Schritt* bei(int spalte) const
    {
        for (const Schritt& s : schritte)
            if (s.spalte == spalte)
                return &s;
        return nullptr;
    }

    std::vector<Schritt> schritte;
};

Aufzeichnung taste(const Kurve& kurve)
{
    Aufzeichnung aufzeichnung;
    TasteAb(kurve, aufzeichnung);
    return aufzeichnung;
}

Abschnitte abschnitte(std::initializer_list<std::pair<double, double>> bereiche)
{
    Abschnitte a;
    for (const auto& [von, bis] : bereiche) {
        a.Von[static_cast<std::size_t>(a.Anzahl)] = von;
        a.Bis[static_cast<std::size_t>(a.Anzahl)] = bis;
        ++a.Anzahl;
    }
    return a;
}

TEST(TasteAb, UrsprungsgeradeIstEinEinzigerLauf)
{
    const Aufzeichnung a = taste({Gerade, {{1, 0}}, {}, false});
    ASSERT_EQ(a.schritte.size(), 577U);
    EXPECT_EQ(a.schritte.front(), (Schritt{false, 0, 502}));
    EXPECT_EQ(a.schritte.back(), (Schritt{true, 576, -74}));
    for (std::size_t i = 1; i < a.schritte.size(); ++i) {
        EXPECT_TRUE(a.schritte[i].linie);
        EXPECT_EQ(a.schritte[i].zeile, 215 - (a.schritte[i].spalte - 287));
    }
}

struct Bereichsfall {
    const char* fall;
    Abschnitte sichtbar;
    std::vector<std::pair<int, int>> laeufe;
};

class AbschnitteTest : public ::testing::TestWithParam<Bereichsfall> {};

TEST_P(AbschnitteTest, ZeigenNurIhreSpalten)
{
    const Aufzeichnung a = taste({Parabel2, {{0.5, 0, -3}}, GetParam().sichtbar, false});
    EXPECT_EQ(a.laeufe(), GetParam().laeufe);
}

INSTANTIATE_TEST_SUITE_P(
    Bereiche, AbschnitteTest,
    ::testing::Values(Bereichsfall{"beide Grenzen gehoeren dazu", abschnitte({{-2, 3}}), {{215, 395}}},
                      Bereichsfall{"zwei Laeufe", abschnitte({{-4, -1}, {1, 4}}), {{143, 251}, {323, 431}}},
                      Bereichsfall{"Anfang hinter dem Ende", abschnitte({{2, -2}}), {}},
                      Bereichsfall{"ein einzelner Punkt", abschnitte({{-2, -2}}), {{215, 215}}},
                      Bereichsfall{"ueberlappend", abschnitte({{-1, 1}, {0, 2}}), {{251, 359}}},
                      Bereichsfall{"ganz ausserhalb", abschnitte({{9, 20}}), {}}),
    [](const auto& info) {
        std::string name = info.param.fall;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(TasteAb, NurDieErstenAnzahlAbschnitteGelten)
{
    Abschnitte a = abschnitte({{-1, 1}, {3, 4}});
    a.Anzahl = 1;
    EXPECT_EQ(taste({Gerade, {{0, 1}}, a, false}).laeufe(), (std::vector<std::pair<int, int>>{{251, 323}}));
}

TEST(TasteAb, PolAufEinerSpalteUnterbrichtDasVorgegebeneSchaubild)
{
    const Aufzeichnung a = taste({Hyperbel, {{1, 1, 0}}, {}, false});
    EXPECT_EQ(a.laeufe(), (std::vector<std::pair<int, int>>{{0, 250}, {252, 576}}));
}

TEST(TasteAb, PolZwischenSpaltenVerbindetDasVorgegebeneSchaubildSenkrecht)
{
    const Aufzeichnung a = taste({Hyperbel, {{1, 0.3, 0}}, {}, false});
    EXPECT_EQ(a.laeufe(), (std::vector<std::pair<int, int>>{{0, 576}}));
    EXPECT_EQ(*a.bei(276), (Schritt{true, 276, 215 + 6480})); // y = -180
    EXPECT_EQ(*a.bei(277), (Schritt{true, 277, 215 - 1620})); // y = 45
}

TEST(TasteAb, SprungtestTrenntDieAesteDerUserHyperbel)
{
    const Aufzeichnung a = taste({Hyperbel, {{1, 0.3, 0}}, {}, true});
    for (std::size_t i = 1; i < a.schritte.size(); ++i) {
        const Schritt& s = a.schritte[i];
        if (s.linie && s.spalte >= 277) {
            EXPECT_GE(a.schritte[i - 1].spalte, 277) << "a segment joins the branches at column " << s.spalte;
        }
    }
}

TEST(TasteAb, FlacheUserHyperbelBleibtUeberDenPolVerbunden)
{
    const Aufzeichnung a = taste({Hyperbel, {{0.01, 0.3, 0}}, {}, true});
    const Schritt* links = a.bei(276);
    const Schritt* rechts = a.bei(277);
    ASSERT_TRUE(links && rechts);
    EXPECT_EQ(links->zeile, 280);
    EXPECT_EQ(*rechts, (Schritt{true, 277, 199}));
    EXPECT_EQ(a.laeufe(), (std::vector<std::pair<int, int>>{{0, 576}}));
}

// After the pole the right branch starts with a move-to; the next test
// compares with the last tested value left of the pole (y = -36), so the
// jump to y = 18 breaks the run once more.
TEST(TasteAb, SprungtestVergleichtMitDemZuletztGetestetenWert)
{
    const Aufzeichnung a = taste({Hyperbel, {{1, 0, 0}}, {}, true});
    EXPECT_EQ(a.bei(287), nullptr) << "the pole";
    EXPECT_EQ(*a.bei(288), (Schritt{false, 288, 215 - 1296}));
    EXPECT_EQ(a.bei(289), nullptr) << "the jump from -36 to 18";
    EXPECT_EQ(*a.bei(290), (Schritt{false, 290, 215 - 432}));
    EXPECT_EQ(*a.bei(291), (Schritt{true, 291, 215 - 324}));
}

// y = -100/x right of the pole breaks at every other column up to 305
// (y = -200, 25 above column 303); column 307 (y = -180) is compared with
// that value: a difference of exactly 20 is no jump.
TEST(TasteAb, SprungtestBrichtErstUeberZwanzig)
{
    const Aufzeichnung a = taste({Hyperbel, {{-100, 0, 0}}, {}, true});
    EXPECT_EQ(a.bei(305), nullptr);
    EXPECT_EQ(*a.bei(306), (Schritt{false, 306, 215 + 6821}));
    EXPECT_EQ(*a.bei(307), (Schritt{true, 307, 215 + 6480}));
}

TEST(TasteAb, ErsterGueltigerWertIstDerVergleichswert)
{
    // The first shown column is 251 (y = -1); the test at 252 compares with it.
    const Aufzeichnung a = taste({Hyperbel, {{-1, 0, 25}}, abschnitte({{-1, 1}}), true});
    EXPECT_FALSE(a.bei(251)->linie);
    EXPECT_TRUE(a.bei(252)->linie);
    EXPECT_EQ(a.bei(287), nullptr);
}

TEST(TasteAb, ExponentialVerlaesstDieEbeneNachObenUndBleibtDort)
{
    const Aufzeichnung a = taste({Exponential, {{1, 10, 0}}, {}, false});
    std::size_t oben = 0;
    while (oben < a.schritte.size() && a.schritte[oben].zeile >= 0)
        ++oben;
    ASSERT_LT(oben, a.schritte.size());
    for (std::size_t i = oben; i < a.schritte.size(); ++i)
        EXPECT_LT(a.schritte[i].zeile, 0) << "column " << a.schritte[i].spalte;
    EXPECT_EQ(a.schritte.back().zeile, -Zeilengrenze);
}

TEST(TasteAb, RiesigeUndUnendlicheWerteBleibenAufIhrerSeite)
{
    const Aufzeichnung steil = taste({Gerade, {{1e300, 0}}, {}, false});
    EXPECT_EQ(steil.bei(0)->zeile, Zeilengrenze);
    EXPECT_EQ(steil.bei(287)->zeile, 215);
    EXPECT_EQ(steil.bei(576)->zeile, -Zeilengrenze);

    const double unendlich = std::numeric_limits<double>::infinity();
    for (const Schritt& s : taste({Gerade, {{0, unendlich}}, {}, false}).schritte)
        EXPECT_EQ(s.zeile, -Zeilengrenze);
    for (const Schritt& s : taste({Gerade, {{0, -unendlich}}, {}, false}).schritte)
        EXPECT_EQ(s.zeile, Zeilengrenze);
}

TEST(TasteAb, RechenfehlerBeendetDenDurchlaufUndBehaeltDasGezeichnete)
{
    Aufzeichnung ohne;
    EXPECT_THROW(TasteAb({Exponential, {{1, -2, 0}}, {}, false}, ohne), Rechenfehler);
    EXPECT_TRUE(ohne.schritte.empty()) << "column 0 already fails";

    // From x = 1 on: the integral x = 1 has a value, x = 37/36 has none.
    Aufzeichnung ab1;
    EXPECT_THROW(TasteAb({Exponential, {{1, -2, 0}}, abschnitte({{1, 3}}), false}, ab1), Rechenfehler);
    EXPECT_EQ(ab1.schritte, (std::vector<Schritt>{{false, 323, 215 + 72}}));

    // Only integral x shown: every point has a value.
    EXPECT_EQ(taste({Exponential, {{1, -2, 0}}, abschnitte({{-2, -2}, {3, 3}}), false}).schritte,
              (std::vector<Schritt>{{false, 215, 215 - 9}, {false, 395, 215 + 288}}));
}

TEST(TasteAb, TypOhneFormelZeichnetNichts)
{
    EXPECT_TRUE(taste({9, {{1, 1, 1}}, {}, false}).schritte.empty());
}

} // namespace
