// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The helps a pupil may switch on while practising, free of any window: the
// tips after a wrong answer, whether two functions draw the same graph, and
// the stepping of a parameter box with the arrow keys.

#include "model/funktion.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// At most two short German tips for a wrong answer, the most basic first:
// the type, then a sign or reflection, then a shift, then a stretching.
// Each names a parameter and the way the graph has to go, never a value.
// Empty when the answer is right.
QStringList Tipps(int VorgTyp, const ParameterSatz& Vorg, int UserTyp, const ParameterSatz& User);

// The pixel columns two graphs are compared on: column s stands for
// x = (s - UrsprungX) / ProEinheit, s = 0 .. Spalten - 1, and a value y
// for the row round(ProEinheit·y), ties to even.
struct Vergleichsraster {
    int ProEinheit;
    int UrsprungX;
    int Spalten;
};

// Whether both functions fill the same pixel in every column: both without
// a value there, or both with values in the same row. A function whose
// evaluation fails draws no graph and so coincides with nothing.
bool GleichesSchaubild(int VorgTyp, const ParameterSatz& Vorg, int UserTyp, const ParameterSatz& User,
                       const Vergleichsraster& raster);

// The notice for an answer whose graph coincides with the given one: it
// names the letters whose values differ (or the type), none of the values.
QString Deckungshinweis(int VorgTyp, const ParameterSatz& Vorg, int UserTyp, const ParameterSatz& User);

// The text of a parameter box after one step of the arrow keys: wert plus
// schritt, in Zahltext's spelling, rounded to as many decimals as a box of
// laenge characters holds. Empty where no step is taken: where the result
// would be 0 or less for a parameter that must stay positive, or where even
// its integral part does not fit.
std::optional<QString> Schritttext(double wert, double schritt, bool nurPositiv, int laenge,
                                   const QLocale& locale = QLocale());
