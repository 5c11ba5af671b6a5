// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plot/abtastung.h"

#include <QPainterPath>
#include <QRectF>

// The raster a graph on paper is sampled on: ten columns (and rows) for
// every pixel of the screen, 360 per unit, over x -8..8. Every x the screen
// samples is a column here too, so a pole that breaks the screen's graph
// breaks the printed one, and the steps of the rows (1/36 mm) stay far below
// what a printer shows.
inline constexpr Raster Papierraster{360, 2880, 2160, 5760};

// The given graph of a task in millimetres on the page, for the plane whose
// window -8..8 × -6..6 fills the rectangle: the same sampling, sections and
// poles as on the screen, each run of joined samples a subpath. An invalid
// operation ends the graph with Rechenfehler; the path so far is in pfad.
void Papierkurve(const Kurve& kurve, const QRectF& ebene, QPainterPath& pfad);
