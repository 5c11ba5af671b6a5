// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/zufallsaufgabe.h"

#include "tasks/zufall.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace {

// R(n) / 2 + von: one of n values from von on, in steps of 0.5.
double halbschritt(Zufall& zufall, int n, double von) { return zufall.R(n) / 2.0 + von; }

// +1 or -1.
int vorzeichen(Zufall& zufall) { return 2 * zufall.R(2) - 1; }

ParameterSatz zieheGerade(int Grad, Zufall& zufall)
{
    double m = halbschritt(zufall, 18, -1.5);
    // The small negative slopes become gentle positive ones, so that flat
    // lines come up as often as steep ones.
    if (m == -0.5)
        m = 0.5;
    else if (m == -1)
        m = 0.25;
    else if (m == -1.5)
        m = 0.125;
    m *= vorzeichen(zufall);
    // A steep line leaves the plot soon whatever its intercept; a flat one
    // needs it near the middle to be seen.
    double c = std::abs(m) >= 1 ? halbschritt(zufall, 33, -8) : halbschritt(zufall, 21, -5);
    if (Grad == SehrLeicht)
        m = zufall.R(2) == 0 ? 1 : 0;
    // A horizontal line gets a height of its own, within reach and never 0:
    // the x-axis itself would show no given graph.
    if (m == 0) {
        do
            c = halbschritt(zufall, 21, -5);
        while (c == 0);
    }
    return {{m, c}};
}

// The stretch of an absolute value or a parabola: a third of the time a
// small one, otherwise ±1 to ±5 with ±1.5 in place of 0.
double zieheStreckung(Zufall& zufall)
{
    static constexpr std::array<double, 6> Klein{0.5, -0.5, 0.25, -0.25, 0.125, -0.125};
    if (zufall.R(3) == 0)
        return Klein.at(static_cast<std::size_t>(zufall.R(6)));
    double a = zufall.R(6);
    if (a == 0)
        a = 1.5;
    return a * vorzeichen(zufall);
}

// Betrag, Parabel2 and Parabel3 share one rule.
ParameterSatz ziehePotenz(Zufall& zufall)
{
    const double d = halbschritt(zufall, 21, -5);
    const double c = halbschritt(zufall, 21, -5);
    // The point one unit right of the vertex, at height a + c, must lie
    // inside the plot, or the shape of the graph could not be read off.
    double a = 0;
    do
        a = zieheStreckung(zufall);
    while (std::abs(a + c) >= 6);
    return {{a, d, c}};
}

ParameterSatz zieheSinus(Zufall& zufall)
{
    const int d = zufall.R(11) - 5;
    double k = zufall.R(4);
    if (k == 0)
        k = 0.5;
    const int c = zufall.R(11) - 5;
    // |a| + |c| ≤ 5.5 keeps the whole wave inside the plot.
    double a = 0;
    while (a == 0) {
        const int n = zufall.R(2 * (6 - std::abs(c)));
        a = n * vorzeichen(zufall) / 2.0;
    }
    return {{a, k, static_cast<double>(d), static_cast<double>(c)}};
}

// ±0.25, ±0.5 or ±1 to ±4.
double zieheHyperbelStreckung(Zufall& zufall)
{
    const int s = vorzeichen(zufall);
    const int a = s * zufall.R(6);
    if (a == 0)
        return 0.5 * vorzeichen(zufall);
    if (std::abs(a) == 5)
        return 0.25 * vorzeichen(zufall);
    return a;
}

ParameterSatz zieheHyperbel(Zufall& zufall)
{
    const int d = zufall.R(9) - 4;
    const int c = zufall.R(9) - 4;
    // One unit right of the pole the graph must still be inside the plot.
    double a = 0;
    do
        a = zieheHyperbelStreckung(zufall);
    while (std::abs(a + c) >= 5);
    return {{a, static_cast<double>(d), static_cast<double>(c)}};
}

// 0.25, 0.5 (twice as likely as the others), 2, 3, 4 or 5: never 1, whose
// graph would be a line.
double zieheBasis(Zufall& zufall)
{
    const int b = zufall.R(7) - 1;
    if (b == -1)
        return 0.25;
    if (b == 0 || b == 1)
        return 0.5;
    return b;
}

ParameterSatz zieheExponential(Zufall& zufall)
{
    for (;;) {
        const double b = zieheBasis(zufall);
        const int c = zufall.R(9) - 4;
        const int s = vorzeichen(zufall);
        double a = halbschritt(zufall, 17, -4) * s;
        if (a == 0)
            a = 0.5 * vorzeichen(zufall);
        // An asymptote far from the x-axis gets the graph on the axis' side
        // of it, where there is room to see it bend.
        if ((c > 1 && a > 0) || (c < -1 && a < 0))
            a = -a;
        // a + c is the value at x = 0 and b the growth per unit: together
        // they keep the bend of the graph in view.
        if (std::abs(a + c) + b < 5)
            return {{a, b, static_cast<double>(c)}};
    }
}

// At the lower difficulties one or two parameters, at positions drawn at
// random, keep their drawn values; the others go back to the basic function.
void reduziere(ParameterSatz& P, int Typ, int Grad, Zufall& zufall)
{
    if (Grad != SehrLeicht && Grad != Leicht)
        return;
    const int n = AnzahlParameter(Typ);
    const int r = zufall.R(n) + 1;
    int v = 0;
    if (Grad == Leicht) {
        do
            v = zufall.R(n) + 1;
        while (v == r);
    }
    const ParameterSatz start = Startwerte(Typ);
    for (int i = 1; i <= n; ++i) {
        if (i != r && i != v)
            P[i - 1] = start[i - 1];
    }
}

// All parameters of a type other than the line, each drawn by its rule.
ParameterSatz zieheVoll(int Typ, Zufall& zufall)
{
    switch (Typ) {
    case Betrag:
    case Parabel2:
    case Parabel3:
        return ziehePotenz(zufall);
    case Sinus:
        return zieheSinus(zufall);
    case Hyperbel:
        return zieheHyperbel(zufall);
    case Exponential:
        return zieheExponential(zufall);
    default:
        throw std::out_of_range("Funktionstyp");
    }
}

} // namespace

int ZieheTyp(const Typliste& ErlaubteTypen, Zufall& zufall)
{
    return ErlaubteTypen.at(static_cast<std::size_t>(zufall.R(static_cast<int>(ErlaubteTypen.size()))));
}

ParameterSatz ZieheParameter(int Typ, int Grad, Zufall& zufall)
{
    // The line has a rule of its own for the lowest difficulty.
    if (Typ == Gerade)
        return zieheGerade(Grad, zufall);
    ParameterSatz P = zieheVoll(Typ, zufall);
    reduziere(P, Typ, Grad, zufall);
    return P;
}
