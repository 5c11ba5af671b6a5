// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widget-free half of the term panel: where every piece goes given the
// measured widths (the texts themselves are in model/funktionstext).
// TFunktionsTerm only measures and applies what these functions decide.

#include "model/funktionstext.h"

#include <array>

// Number of marks: one dot (or the hyperbola's fraction bar), two for Sinus.
int AnzahlPunkte(int Typ);

// Lefts and widths (in pixels within the panel) of the pieces T0..T3,
// W0..W3 and the marks S0, S1. Edit box E<i> always stands at W<i>'s left.
struct Termgeometrie {
    std::array<int, 4> TLinks{}, TBreite{};
    std::array<int, 4> WLinks{}, WBreite{};
    std::array<int, 2> SLinks{}, SBreite{};
    bool T2Leer = false; // Parabel: the exponent follows the x directly
};

// Lays the pieces out from their widths so the equation reads like printed
// mathematics: raised exponents, the hyperbola's fraction bar spanning the
// denominator with the numerator centred over it. Sets the lefts of the
// pieces the type uses (and the bar's width for Hyperbel) and returns the
// right edge of the content.
int Anordnen(int Typ, Termgeometrie& g);
