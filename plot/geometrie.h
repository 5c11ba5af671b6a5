// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

// The plot's fixed raster: 576 × 432 pixels, 36 pixels per unit, the origin
// one pixel left of and above the arithmetical centre. The two mappings
// below are the only way any drawing turns units into pixels and back.
inline constexpr int BildBreite = 576;
inline constexpr int BildHoehe = 432;
inline constexpr int ProEinheit = 36;
inline constexpr int UrsprungX = BildBreite / 2 - 1; // 287
inline constexpr int UrsprungY = BildHoehe / 2 - 1;  // 215

// Rows beyond this distance from the origin are brought back to it, on the
// same side of the plot: far enough that a segment toward such a point still
// leaves the plot at the edge it points to, near enough for the raster engine.
inline constexpr int Zeilengrenze = 100000;

// The columns and rows a graph is sampled on: the screen's pixels, or the
// finer raster of a printed sheet. Columns 0..Spalten are visited.
struct Raster {
    int ProEinheit;
    int UrsprungX;
    int UrsprungY;
    int Spalten;

    // x = (column - UrsprungX) / ProEinheit.
    double SpalteZuX(int spalte) const;
    // row = UrsprungY - round(ProEinheit·y), ties to even, kept within
    // ±Zeilengrenze so that huge and infinite values never reach the painter
    // as out-of-range integers. A NaN is an invalid operation and throws
    // Rechenfehler.
    int YZuZeile(double y) const;
};

inline constexpr Raster Bildschirmraster{ProEinheit, UrsprungX, UrsprungY, BildBreite};

// x = (column - 287) / 36.
inline double SpalteZuX(int spalte) { return Bildschirmraster.SpalteZuX(spalte); }

// row = 215 - round(36·y) on the screen's raster.
inline int YZuZeile(double y) { return Bildschirmraster.YZuZeile(y); }

// How many raster columns (and rows) a graph takes per pixel of the plot on
// a screen with this many device pixels per pixel: the whole number at
// least as large, so that every column of the plot is a column of the finer
// raster too and a pole that breaks the graph at one density breaks it at
// every density.
int Feinheit(double geraetepunkteProPunkt);

// The screen's raster with `feinheit` columns and rows for each pixel of
// the plot: column feinheit·c is column c of the plot.
constexpr Raster Feinraster(int feinheit)
{
    return {ProEinheit * feinheit, UrsprungX * feinheit, UrsprungY * feinheit, BildBreite * feinheit};
}

// The plot's size in device pixels.
QSize Geraetegroesse(double geraetepunkteProPunkt);
