// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/loesungsweg.h"
#include "plot/abtastung.h"
#include "plot/anzeige.h"
#include "plot/ebene.h"

#include <QColor>
#include <QImage>

#include <optional>

// The colour of the basic graph on its way to the given one: darker than
// the grid, so that the two never mix.
inline const QColor Wegfarbe = Farbe(0x808080);
inline const QColor Pfeilfarbe = Farbe(0x008000);

// One frame of a solution shown step by step: the basic graph on its way in
// grey, the graph it explains over it (so the grey one vanishes under it
// when it arrives), the pupil's own graph where one was drawn, and the
// step's arrow on top.
struct Schrittbild {
    Kurve Weg;
    Kurve Ziel;
    QColor Zielfarbe;
    std::optional<Kurve> Eigene;
    Ebenenpunkt PfeilVon, PfeilBis;
};

// Draws the frame from the plane kept in ebene. A graph that ends at an
// invalid operation keeps what was drawn of it; the program reported it when
// it first drew that graph.
void ZeichneSchrittbild(QImage& bild, Ebenenvorlage& ebene, const Anzeigeoptionen& anzeige, const Schrittbild& schritt);
