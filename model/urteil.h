// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How an answer is judged and how the test result is counted: plain
// arithmetic, free of any window.

#include "model/funktion.h"

// Whether the pupil's function is the given one: the same type and exactly
// the same values of the parameters that type uses, with no tolerance. The
// graphs are not compared: a sine shifted by a whole period is wrong.
bool Richtig(int UserTyp, const ParameterSatz& User, int VorgTyp, const ParameterSatz& Vorg);

// The share of the tasks solved at the first attempt in whole percent,
// truncated; 0 while no task has been posed.
int Prozent(int richtig, int aufgaben);
