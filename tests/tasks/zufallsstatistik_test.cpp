// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Many random tasks from the real generator with a fixed seed: the rules
// hold for every one, and every value of every range turns up.

#include "tasks/zufallsaufgabe.h"

#include "tasks/zufall.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace {

using Werte = std::set<double>;
using Regel = std::function<bool(const ParameterSatz&)>;

// von, von + schritt, ..., bis; without `ohne` where it is given.
Werte Bereich(double von, double bis, double schritt, std::optional<double> ohne = {})
{
    Werte w;
    for (double x = von; x <= bis; x += schritt)
        w.insert(x);
    if (ohne)
        w.erase(*ohne);
    return w;
}

Werte MitMinus(std::initializer_list<double> betraege)
{
    Werte w;
    for (const double b : betraege)
        w.insert({b, -b});
    return w;
}

std::string Text(const ParameterSatz& P)
{
    std::ostringstream s;
    s << '(' << P[0] << ", " << P[1] << ", " << P[2] << ", " << P[3] << ')';
    return s.str();
}

std::vector<ParameterSatz> Aufgaben(int Typ, int Grad)
{
    Zufallsgenerator zufall;
    zufall.Saeen(20240607U + static_cast<std::uint32_t>(Typ * 3 + Grad));
    std::vector<ParameterSatz> aufgaben(6000);
    for (ParameterSatz& P : aufgaben)
        P = ZieheParameter(Typ, Grad, zufall);
    return aufgaben;
}

// Fails with the first task that breaks the rule.
void Jede(const std::vector<ParameterSatz>& aufgaben, const char* name, const Regel& regel)
{
    for (const ParameterSatz& P : aufgaben) {
        if (!regel(P)) {
            ADD_FAILURE() << name << " broken by " << Text(P);
            return;
        }
    }
}

// Per type: the values of each parameter at full difficulty, what holds for
// all tasks there, and the start values of the basic function.
struct Typregel {
    const char* name;
    int typ;
    std::vector<Werte> werte;
    const char* regelname;
    Regel regel;
    std::vector<double> start;
};

const Werte Halbe5 = Bereich(-5, 5, 0.5);
const Werte Ganze4 = Bereich(-4, 4, 1);
const Werte Ganze5 = Bereich(-5, 5, 1);
const Werte PotenzA = MitMinus({0.125, 0.25, 0.5, 1, 1.5, 2, 3, 4, 5});
const Regel EinsRechtsImBild = [](const ParameterSatz& P) { return std::abs(P[0] + P[2]) < 6; };

const Typregel Typregeln[] = {
    // The line first: it has no reduction of its own.
    {"Gerade", Gerade, {MitMinus({0, 0.125, 0.25, 0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6, 6.5, 7}),
                        Bereich(-8, 8, 0.5)},
     "a flat line near the middle",
     [](const ParameterSatz& P) { return std::abs(P[0]) >= 1 || std::abs(P[1]) <= 5; }, {1, 0}},
    {"Betrag", Betrag, {PotenzA, Halbe5, Halbe5}, "|a + c| < 6", EinsRechtsImBild, {1, 0, 0}},
    {"Parabel2", Parabel2, {PotenzA, Halbe5, Halbe5}, "|a + c| < 6", EinsRechtsImBild, {1, 0, 0}},
    {"Parabel3", Parabel3, {PotenzA, Halbe5, Halbe5}, "|a + c| < 6", EinsRechtsImBild, {1, 0, 0}},
    {"Sinus", Sinus, {Bereich(-5.5, 5.5, 0.5, 0), {0.5, 1, 2, 3}, Ganze5, Ganze5}, "|a| + |c| <= 5.5",
     [](const ParameterSatz& P) { return std::abs(P[0]) + std::abs(P[3]) <= 5.5; }, {1, 1, 0, 0}},
    {"Hyperbel", Hyperbel, {MitMinus({0.25, 0.5, 1, 2, 3, 4}), Ganze4, Ganze4}, "|a + c| < 5",
     [](const ParameterSatz& P) { return std::abs(P[0] + P[2]) < 5; }, {1, 0, 0}},
    {"Exponential", Exponential, {Bereich(-4, 4, 0.5, 0), {0.25, 0.5, 2, 3, 4}, Ganze4},
     "|a + c| + b < 5, the graph between asymptote and x-axis",
     [](const ParameterSatz& P) {
         return std::abs(P[0] + P[2]) + P[1] < 5 && !(P[2] > 1 && P[0] > 0) && !(P[2] < -1 && P[0] < 0);
     },
     {1, 2, 0}},
};

class Voll : public ::testing::TestWithParam<Typregel> {};

TEST_P(Voll, NimmtJedenWertDesBereichsUndBleibtImBild)
{
    const Typregel& t = GetParam();
    const auto aufgaben = Aufgaben(t.typ, Normal);
    for (std::size_t i = 0; i < 4; ++i) {
        Werte gesehen;
        for (const ParameterSatz& P : aufgaben)
            gesehen.insert(P[static_cast<int>(i)]);
        EXPECT_EQ(gesehen, i < t.werte.size() ? t.werte[i] : Werte{0}) << "P" << i + 1;
    }
    Jede(aufgaben, t.regelname, t.regel);
}

INSTANTIATE_TEST_SUITE_P(Zufallsaufgabe, Voll, ::testing::ValuesIn(Typregeln),
                         [](const auto& info) { return std::string(info.param.name); });

// Which positions differ from the basic function: a bit per position.
unsigned Abweichend(const ParameterSatz& P, const std::vector<double>& start)
{
    unsigned maske = 0;
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (P[static_cast<int>(i)] != start[i])
            maske |= 1U << i;
    }
    return maske;
}

class Reduktion : public ::testing::TestWithParam<Typregel> {};

// At difficulty 0 one position, at 1 two, keep values from the full ranges,
// the others are back at the basic function; every choice of positions
// turns up.
TEST_P(Reduktion, BehaeltEinenOderZweiParameter)
{
    const Typregel& t = GetParam();
    for (const int grad : {SehrLeicht, Leicht}) {
        const auto aufgaben = Aufgaben(t.typ, grad);
        std::set<unsigned> gesehen;
        for (const ParameterSatz& P : aufgaben)
            gesehen.insert(Abweichend(P, t.start));
        for (unsigned maske = 0; maske < (1U << t.start.size()); ++maske) {
            // Fewer differ where a kept value was drawn at its start value.
            if (std::popcount(maske) >= grad + 1) {
                EXPECT_EQ(gesehen.count(maske), std::popcount(maske) == grad + 1 ? 1U : 0U)
                    << "difficulty " << grad << ", differing positions " << maske;
            }
        }
        Jede(aufgaben, "a kept value comes from the full range", [&](const ParameterSatz& P) {
            for (std::size_t i = 0; i < t.start.size(); ++i) {
                const double p = P[static_cast<int>(i)];
                if (p != t.start[i] && t.werte[i].count(p) == 0)
                    return false;
            }
            return true;
        });
    }
}

INSTANTIATE_TEST_SUITE_P(Zufallsaufgabe, Reduktion, ::testing::ValuesIn(std::begin(Typregeln) + 1, std::end(Typregeln)),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZufallsRegeln, GeradeNieDieXAchse)
{
    for (const int grad : {SehrLeicht, Leicht, Normal}) {
        Jede(Aufgaben(Gerade, grad), "m = 0 never with c = 0",
             [](const ParameterSatz& P) { return P[0] != 0 || P[1] != 0; });
        Jede(Aufgaben(Gerade, grad), Typregeln[0].regelname, Typregeln[0].regel);
    }
}

TEST(ZufallsRegeln, GeradeSehrLeichtIstVerschobenOderWaagrecht)
{
    std::map<double, Werte> c;
    for (const ParameterSatz& P : Aufgaben(Gerade, SehrLeicht))
        c[P[0]].insert(P[1]);
    EXPECT_EQ(c, (std::map<double, Werte>{{0, Bereich(-5, 5, 0.5, 0)}, {1, Bereich(-8, 8, 0.5)}}))
        << "y = c with c not 0 and y = x + c";
}

TEST(ZufallsRegeln, JederErlaubteTypGleichOft)
{
    Zufallsgenerator zufall;
    zufall.Saeen(7U);
    std::map<int, int> haeufigkeit;
    for (int i = 0; i < 30000; ++i)
        ++haeufigkeit[ZieheTyp({Betrag, Sinus, Exponential}, zufall)];
    ASSERT_EQ(haeufigkeit.size(), 3U) << "no other type";
    for (const int typ : {Betrag, Sinus, Exponential})
        EXPECT_NEAR(haeufigkeit[typ], 10000, 500) << "type " << typ;
}

} // namespace
