// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A function type or a parameter set as text, free of widgets: the pieces
// of the equations the term panels show, the value equation's texts, the
// names a screen reader says, and the one-line equation that the answer
// key, the checker and the records write.

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

// What a screen reader says for the function types, where the screen shows
// an equation it cannot read: the type list's radio buttons and the edit
// boxes of the pupil's equation.

// "Parabel", "kubische Parabel", ...
QString Typname(int Typ);

// The type and its general equation: "Gerade: f(x) = m·x + c".
QString TypKnopfName(int Typ);

// The letter of P(i+1) and its type: "Parameter a der Parabel".
QString ParameterName(int Typ, int i);

// The equation of a given function, written as the value equation beside
// the edit boxes shows it, on one line: "f(x) = -0,5·(x - 2,5)² + 1". The
// hyperbola's fraction bar becomes a slash, its denominator gets parentheses
// when it has a shift. The answer key writes it always with a decimal comma;
// the series editor in the regional settings.
QString Loesungstext(int Typ, const ParameterSatz& P, const QLocale& locale = QLocale(QLocale::German));
