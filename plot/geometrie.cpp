// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/geometrie.h"

#include "model/funktion.h"

#include <algorithm>
#include <cmath>

double Raster::SpalteZuX(int spalte) const { return (spalte - UrsprungX) / static_cast<double>(ProEinheit); }

int Raster::YZuZeile(double y) const
{
    if (std::isnan(y))
        throw Rechenfehler();
    // nearbyint rounds in the default mode: to nearest, ties to even.
    const double zeile = UrsprungY - std::nearbyint(ProEinheit * y);
    return static_cast<int>(std::clamp(zeile, -double{Zeilengrenze}, double{Zeilengrenze}));
}

int Feinheit(double geraetepunkteProPunkt)
{
    // A ratio a rounding error above a whole number takes that number.
    return std::max(1, static_cast<int>(std::ceil(geraetepunkteProPunkt - 1E-6)));
}

QSize Geraetegroesse(double geraetepunkteProPunkt)
{
    return {static_cast<int>(std::lround(BildBreite * geraetepunkteProPunkt)),
            static_cast<int>(std::lround(BildHoehe * geraetepunkteProPunkt))};
}
