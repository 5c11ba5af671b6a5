// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a graph arises from its basic function, one stretch, reflection or
// shift after the other, as a teacher explains it at the board: each step
// with the parameters the graph has after it and a German sentence.

#include "model/funktion.h"

#include <QLocale>
#include <QString>

#include <vector>

// A point of the plane in units.
struct Ebenenpunkt {
    double x = 0;
    double y = 0;

    friend bool operator==(const Ebenenpunkt&, const Ebenenpunkt&) = default;
};

struct Loesungsschritt {
    ParameterSatz Parameter; // the graph after this step
    QString Satz;            // "Das Schaubild wird um 3 nach oben verschoben."
    // Where the step's arrow starts and ends: a point of the graph that
    // shows the step, as the vertex shows a shift.
    Ebenenpunkt PfeilVon, PfeilBis;
};

struct Loesungsweg {
    ParameterSatz Grundfunktion; // the parameters of the basic graph
    std::vector<Loesungsschritt> Schritte;
    // All steps in one sentence: "Die Normalparabel wird mit dem Faktor 2
    // gestreckt, an der x-Achse gespiegelt, um 1 nach rechts und um 3 nach
    // oben verschoben."
    QString Zusammenfassung;
};

// The steps from the basic function of the type to the parameters P: for
// the sine first the stretch in x-direction by k, then the stretch in
// y-direction by |a| (the slope m for the line) and the reflection for a
// negative factor, then the shift by d, then the shift by c. A factor 1 or
// a shift 0 is no step. The basic function of the exponential keeps its
// own base. Numbers are spelt as the locale spells them.
Loesungsweg BerechneLoesungsweg(int Typ, const ParameterSatz& P, const QLocale& locale = QLocale());

// The parameters on the way from vorher to nachher, t from 0 to 1: each
// one moves evenly from its old value to its new one.
ParameterSatz Zwischenwerte(const ParameterSatz& vorher, const ParameterSatz& nachher, double t);
