// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "basis/aussehen.h"

#include <QColor>

// How the plot looks. Every start begins with these values; only the
// " Optionen " menu changes them while the program runs.
struct Anzeigeoptionen {
    int AchsenDicke = 1;    // pen width of axes and arrow heads: 1 or 3
    int SchaubildDicke = 1; // pen width of both graphs: 1 or 3
    QColor AchsenFarbe = Farbe(0x000000);
    QColor NetzFarbe = Farbe(0xC0C0C0);
    QColor VorgFarbe = Farbe(0xFF0000);
    QColor UserFarbe = Farbe(0x0000FF);
    bool HalbRaster = false; // grid lines every half unit too

    bool operator==(const Anzeigeoptionen&) const = default;
};
