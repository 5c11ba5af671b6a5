// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rules by which a random task is made: which of the allowed types it
// has and which parameters. Every number comes from the injected Zufall, in
// a fixed order, so a scripted source can check each rule draw by draw.

#include "model/funktion.h"

#include <vector>

class Zufall;

// The function types a series of tasks may use, each at most once, in the
// order the selection dialog or the task file gives them.
using Typliste = std::vector<int>;

// The item index of the difficulty in the selection dialog: how many
// parameters of a random task differ from the basic function.
enum Schwierigkeitsgrad : int {
    SehrLeicht = 0, // one
    Leicht = 1,     // two
    Normal = 2,     // all are drawn
};

// One of the allowed types, each equally likely. The list must not be empty.
int ZieheTyp(const Typliste& ErlaubteTypen, Zufall& zufall);

// The parameters of a random given function of a type 0..6. Only the
// parameters the type uses are drawn; the others are 0. Every value keeps
// the interesting part of the graph inside the visible plot.
ParameterSatz ZieheParameter(int Typ, int Grad, Zufall& zufall);
