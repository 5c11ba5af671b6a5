// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/funktion.h"

#include <cmath>
#include <cstdint>

int AnzahlParameter(int Typ)
{
    switch (Typ) {
    case Gerade:
        return 2;
    case Sinus:
        return 4;
    default:
        return 3;
    }
}

ParameterSatz Startwerte(int Typ)
{
    switch (Typ) {
    case Gerade:
        return {{1, 0, 0, 0}};
    case Sinus:
        return {{1, 1, 0, 0}};
    case Exponential:
        return {{1, 2, 0, 0}};
    default:
        return {{1, 0, 0, 0}};
    }
}

Rechenfehler::Rechenfehler()
    : std::runtime_error("Ungültige Gleitkommaoperation")
{
}

namespace {

// b^n by repeated squaring; exact for small integral powers and defined for
// negative bases, which the logarithm is not.
long double ganzzahligePotenz(long double b, std::int64_t n)
{
    std::uint64_t rest = static_cast<std::uint64_t>(n < 0 ? -n : n);
    long double ergebnis = 1;
    while (rest != 0) {
        if (rest & 1U)
            ergebnis *= b;
        b *= b;
        rest >>= 1U;
    }
    return n < 0 ? 1 / ergebnis : ergebnis;
}

long double potenz(double b, double x)
{
    if (x == 0)
        return 1;
    if (std::trunc(x) == x && std::fabs(x) <= 2147483647.0)
        return ganzzahligePotenz(b, static_cast<std::int64_t>(x));
    // For b < 0 the logarithm is NaN, which the caller reports.
    return std::exp(static_cast<long double>(x) * std::log(static_cast<long double>(b)));
}

double exponentialwert(double x, const ParameterSatz& P)
{
    if (P[1] == 0)
        return x == 0 ? P[0] + P[2] : P[2]; // 0^0 counts as 1, 0^x as 0
    return static_cast<double>(P[0] * potenz(P[1], x) + P[2]);
}

} // namespace

double Funktionswert(int Typ, double x, ParameterSatz P, bool& Gueltig)
{
    double y = 0;
    switch (Typ) {
    case Gerade:
        y = P[0] * x + P[1];
        break;
    case Betrag:
        y = P[0] * std::fabs(x + P[1]) + P[2];
        break;
    case Parabel2: {
        const double s = x + P[1];
        y = P[0] * s * s + P[2];
        break;
    }
    case Parabel3: {
        const double s = x + P[1];
        y = P[0] * s * s * s + P[2];
        break;
    }
    case Sinus:
        y = P[0] * std::sin((x + P[2]) * P[1]) + P[3];
        break;
    case Hyperbel: {
        const double s = x + P[1];
        if (s == 0) {
            Gueltig = false;
            return 0;
        }
        y = P[0] / s + P[2];
        break;
    }
    case Exponential:
        y = exponentialwert(x, P);
        break;
    default:
        // No formula: nothing is drawn for a type a task file made up.
        Gueltig = false;
        return 0;
    }
    if (std::isnan(y))
        throw Rechenfehler();
    return y;
}
