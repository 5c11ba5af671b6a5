// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Turning a function into the strokes of its graph, free of any painting:
// one sample per pixel column, joined by straight lines, broken at poles,
// at hidden columns and at the jumps of the pupil's hyperbola.

#include "model/abschnitte.h"
#include "model/funktion.h"
#include "plot/geometrie.h"

#include <array>

// Where the strokes of a graph go: the painter, or a test's recorder.
class Zeichenziel {
public:
    virtual ~Zeichenziel() = default;
    virtual void BewegeZu(int spalte, int zeile) = 0;
    // A line from the current position to (spalte, zeile), that end point
    // itself excluded; the end point becomes the current position.
    virtual void LinieBis(int spalte, int zeile) = 0;
};

// How a graph is sampled.
struct Kurve {
    int Typ = KeinTyp;
    ParameterSatz P;
    Abschnitte Sichtbar;     // the columns shown; every column when empty
    bool Sprungtest = false; // break where neighbours differ by more than 20
};

// Visits the columns 0..576 of the screen (the last one beyond the right
// edge, so the final segment reaches column 575), or those of another
// raster, and hands each run of joined samples to
// the target as a move-to followed by line-tos. An invalid operation of
// Funktionswert ends the pass with Rechenfehler; what the target received
// before stays.
void TasteAb(const Kurve& kurve, Zeichenziel& ziel, const Raster& raster = Bildschirmraster);
