#pragma once

#include "plot/abtastung.h"
#include "plot/anzeige.h"

#include <QImage>

// Clears the plot and draws the coordinate plane: the grid (and the half
// grid when switched on), the axes with arrow heads, ticks and numbers, and
// the axis names, in the given display settings.
void ZeichneEbene(QImage& bild, const Anzeigeoptionen& anzeige);

// Draws the graph of a function over what the plot shows. An invalid
// operation ends the graph with Rechenfehler; what was drawn stays.
void ZeichneKurve(QImage& bild, const Kurve& kurve, const QColor& farbe, int dicke);
