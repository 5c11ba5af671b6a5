// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plot/abtastung.h"
#include "plot/anzeige.h"

#include <QImage>

// Clears the plot and draws the coordinate plane: the grid (and the half
// grid when switched on), the axes with arrow heads, ticks and numbers, and
// the axis names, in the given display settings. An image with a device
// pixel ratio gets the same plane drawn at the device's resolution.
void ZeichneEbene(QImage& bild, const Anzeigeoptionen& anzeige);

// The plane drawn once and kept: every pass starts from a copy of it, and
// it is drawn anew only when the display settings differ from those it was
// drawn in.
class Ebenenvorlage {
public:
    // What ZeichneEbene would draw into bild.
    void Zeichne(QImage& bild, const Anzeigeoptionen& anzeige);

private:
    QImage m_vorlage;
    Anzeigeoptionen m_anzeige;
};

// Draws the graph of a function over what the plot shows, on the raster of
// the image's device pixels. An invalid
// operation ends the graph with Rechenfehler; what was drawn stays.
void ZeichneKurve(QImage& bild, const Kurve& kurve, const QColor& farbe, int dicke);
