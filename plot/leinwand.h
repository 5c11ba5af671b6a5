// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plot/abtastung.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <optional>

// Drawing on the plot image with the conventions of a classic pen and brush
// canvas: a line-to draws from the current position up to its end point,
// the end point itself excluded, whatever the direction; text stands with the
// top-left corner of its cell at the given point, on white.
//
// Lines are set pixel by pixel, clipped to the image, so a segment toward a
// point far outside costs no more than the pixels it covers inside, and an
// error in the middle of a graph keeps what came before. A wider pen covers
// every pixel within half its width of the segment: round ends, so the
// segments of a run meet in round joins. Both rules use exact integer
// arithmetic, so strokes mirrored about an axis stay mirror images.
//
// On an image with a device pixel ratio above 1 everything lands on the
// device's own pixels: the points handed in are pixels of the plot, or of a
// raster `feinheit` times finer; a line is its width in whole device pixels
// (at least one), set in the full colour around the segment between the
// centres of its points, with round ends (a thin line on the plot's own
// raster still stops one point before its end); text is set in a face
// scaled to the device, its cell on whole device pixels.
class Leinwand : public Zeichenziel {
public:
    explicit Leinwand(QImage& bild, int feinheit = 1);

    void SetzeStift(const QColor& farbe, int breite);
    void SetzeSchrift(const QFont& schrift, const QColor& farbe);
    void BewegeZu(int spalte, int zeile) override;
    void LinieBis(int spalte, int zeile) override;
    void Linie(QPoint von, QPoint bis);
    // Fills the rectangle with white, its right and bottom edge excluded.
    void Weiss(const QRect& rechteck);
    void Text(QPoint obenLinks, const QString& text);

private:
    bool punktgenau() const { return m_massstab == 1 && m_feinheit == 1; }
    QPainter& painter();
    void setzePunkte(QPoint von, QPoint bis);
    void setzeStreifen(QPoint von, QPoint bis);
    void setzeStrich(QPoint von, QPoint bis);
    void setze(std::int64_t spalte, std::int64_t zeile);
    double mitte(int punkt) const;
    int geraetepunkt(int punkt) const;

    QImage& m_bild;
    QImage m_geraet; // the pixels of m_bild at one device pixel per point
    double m_massstab;
    int m_feinheit;
    std::optional<QPainter> m_painter;
    QFont m_schrift;
    std::optional<QFontMetrics> m_schriftmasse;
    QColor m_schriftfarbe = Qt::black;
    QColor m_farbe = Qt::black;
    int m_breite = 1;
    QPoint m_position;
};

// Whether a thin line from von up to, not including, bis would set any pixel
// of an image of the given size: the same pixels Leinwand sets, without an
// image.
bool LinieTrifftBild(QPoint von, QPoint bis, QSize bild);
