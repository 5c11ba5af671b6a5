// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/schrittbild.h"

#include "plot/geometrie.h"
#include "plot/leinwand.h"

#include <algorithm>
#include <cmath>

namespace {

void zeichne(QImage& bild, const Kurve& kurve, const QColor& farbe, int dicke)
{
    try {
        ZeichneKurve(bild, kurve, farbe, dicke);
    } catch (const Rechenfehler&) {
    }
}

QPoint pixel(Ebenenpunkt p)
{
    const double spalte = std::clamp(std::nearbyint(UrsprungX + ProEinheit * p.x), -1.0 * Zeilengrenze, 1.0 * Zeilengrenze);
    return {static_cast<int>(spalte), YZuZeile(p.y)};
}

// A shaft and a head of two strokes 9 pixels long; no arrow where the
// point hardly moves.
void zeichnePfeil(QImage& bild, Ebenenpunkt von, Ebenenpunkt bis)
{
    const QPoint a = pixel(von);
    const QPoint b = pixel(bis);
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double laenge = std::hypot(dx, dy);
    if (laenge < 6)
        return;
    Leinwand leinwand(bild);
    leinwand.SetzeStift(Pfeilfarbe, 2);
    leinwand.Linie(a, b);
    for (const double winkel : {0.45, -0.45}) {
        const double c = std::cos(winkel), s = std::sin(winkel);
        const QPoint spitze(static_cast<int>(std::lround(b.x() - 9 * (c * dx - s * dy) / laenge)),
                            static_cast<int>(std::lround(b.y() - 9 * (s * dx + c * dy) / laenge)));
        leinwand.Linie(b, spitze);
    }
}

} // namespace

void ZeichneSchrittbild(QImage& bild, Ebenenvorlage& ebene, const Anzeigeoptionen& anzeige, const Schrittbild& schritt)
{
    ebene.Zeichne(bild, anzeige);
    zeichne(bild, schritt.Weg, Wegfarbe, anzeige.SchaubildDicke);
    zeichne(bild, schritt.Ziel, schritt.Zielfarbe, anzeige.SchaubildDicke);
    if (schritt.Eigene)
        zeichne(bild, *schritt.Eigene, anzeige.UserFarbe, anzeige.SchaubildDicke);
    zeichnePfeil(bild, schritt.PfeilVon, schritt.PfeilBis);
}
