// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <stdexcept>

// The seven kinds of function a pupil shifts and stretches. The number is the
// type's identity everywhere: radio buttons, term panels, random tasks, and
// (one higher) task files. -1 stands for "no type".
enum Funktionstyp : int {
    KeinTyp = -1,
    Gerade = 0,      // f(x) = m·x + c
    Betrag = 1,      // f(x) = a·|x + d| + c
    Parabel2 = 2,    // f(x) = a·(x + d)² + c
    Parabel3 = 3,    // f(x) = a·(x + d)³ + c
    Sinus = 4,       // f(x) = a·sin(k·(x + d)) + c
    Hyperbel = 5,    // f(x) = a/(x + d) + c
    Exponential = 6, // f(x) = a·bˣ + c
};

inline constexpr int AnzahlTypen = 7;

constexpr bool IstTyp(int Typ) { return Typ >= 0 && Typ < AnzahlTypen; }

// The parameters of one function in the order their letters stand in the
// equation (m, c / a, d, c / a, k, d, c / a, b, c). P[0] is P1.
struct ParameterSatz {
    std::array<double, 4> P{};

    double& operator[](int i) { return P.at(static_cast<std::size_t>(i)); }
    double operator[](int i) const { return P.at(static_cast<std::size_t>(i)); }
    friend bool operator==(const ParameterSatz&, const ParameterSatz&) = default;
};

// How many of P1..P4 the type reads: 2 for Gerade, 4 for Sinus, 3 otherwise.
int AnzahlParameter(int Typ);

// The basic graph of each type: stretch 1, no shift, sine with k = 1,
// exponential with base 2. Parameters beyond those used are 0.
ParameterSatz Startwerte(int Typ);

// An invalid floating-point operation inside an evaluation, such as the power
// of a negative base at a non-integral exponent or 0·∞ from huge parameters.
// It is an error, never a silent NaN: the program reports it to the user.
class Rechenfehler : public std::runtime_error {
public:
    Rechenfehler();
};

// f(x) for a type and parameter set. Clears Gueltig where the function has no
// value (the pole of the hyperbola, or a type number outside 0..6) and never
// sets it back to true; the result then carries no meaning.
// Throws Rechenfehler where the result would be NaN.
double Funktionswert(int Typ, double x, ParameterSatz P, bool& Gueltig);
