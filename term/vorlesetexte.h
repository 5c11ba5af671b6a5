// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader says for the function types, where the screen shows
// an equation it cannot read: the type list's radio buttons and the edit
// boxes of the pupil's equation.

#include <QString>

// "Parabel", "kubische Parabel", ...
QString Typname(int Typ);

// The type and its general equation: "Gerade: f(x) = m·x + c".
QString TypKnopfName(int Typ);

// The letter of P(i+1) and its type: "Parameter a der Parabel".
QString ParameterName(int Typ, int i);
