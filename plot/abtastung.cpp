// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/abtastung.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Sprunggrenze = 20; // plot units

// The jump test of the pupil's hyperbola: it compares every joined sample
// with the last one it looked at, or with the first valid sample of the pass.
class Sprungtest {
public:
    bool Bricht(double y, bool verbunden)
    {
        if (!verbunden) {
            if (!m_hatWert) {
                m_letztesY = y;
                m_hatWert = true;
            }
            return false;
        }
        const bool sprung = std::fabs(y - m_letztesY) > Sprunggrenze;
        m_letztesY = y;
        return sprung;
    }

private:
    double m_letztesY = 0;
    bool m_hatWert = false;
};

} // namespace

void TasteAb(const Kurve& kurve, Zeichenziel& ziel, const Raster& raster)
{
    bool verbunden = false;
    Sprungtest sprungtest;
    for (int spalte = 0; spalte <= raster.Spalten; ++spalte) {
        const double x = raster.SpalteZuX(spalte);
        bool gueltig = kurve.Sichtbar.Zeigt(x);
        double y = 0;
        if (gueltig)
            y = Funktionswert(kurve.Typ, x, kurve.P, gueltig);
        if (gueltig && kurve.Sprungtest && sprungtest.Bricht(y, verbunden))
            gueltig = false;
        if (gueltig) {
            const int zeile = raster.YZuZeile(y);
            if (verbunden)
                ziel.LinieBis(spalte, zeile);
            else
                ziel.BewegeZu(spalte, zeile);
        }
        verbunden = gueltig;
    }
}
