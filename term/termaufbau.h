// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widget-free half of the term panel: which texts an equation shows in
// each role, how the value equation hides neutral parameters, and where every
// piece goes given the measured widths. TFunktionsTerm only measures and
// applies what these functions decide.

#include "model/funktion.h"

#include <QLocale>
#include <QString>

#include <array>

// The three roles of a term panel.
enum Rolle : int {
    RolleListe = 0,   // general equation in the type list, clickable
    RolleEingabe = 1, // the pupil's equation with edit boxes
    RolleAnzeige = 2, // the pupil's equation with the values, bold
};

// Text of the fixed piece T<i> of a type's equation in a role, as set up
// before any value is shown ("x +" in the list, "x" in the value equation).
// An empty string for a piece the type does not show.
QString Termtext(int Typ, int Rolle, int i);

// Number of fixed text pieces T0..T<n-1> that the type shows.
int AnzahlTexte(int Typ);

// The parameter letter of P(i+1) as the type list prints it ("m", "a", "k").
QString Buchstabe(int Typ, int i);

// Number of marks: one dot (or the hyperbola's fraction bar), two for Sinus.
int AnzahlPunkte(int Typ);

// The texts of the value equation and which pieces it hides by giving them
// width 0. Hidden pieces keep their text.
struct Wertanzeige {
    std::array<QString, 4> T;
    std::array<QString, 4> W;
    std::array<bool, 4> WVerborgen{};
    std::array<bool, 2> SVerborgen{};
};

// Fills in the pupil's values for the value equation («= 2·(x - 1)² + 3»):
// a factor 1 and its dot disappear, -1 leaves only the minus sign, a zero
// shift or constant disappears. A negative frequency k of Sinus or base b of
// Exponential is replaced by its magnitude in P as well.
Wertanzeige WerteAnzeigen(int Typ, ParameterSatz& P, const QLocale& locale = QLocale());

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
