#pragma once

#include "plot/abtastung.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPolygon>

#include <optional>

// Drawing on the plot image with the conventions of a classic pen and brush
// canvas: a line-to draws from the current position up to its end point,
// the end point itself excluded, whatever the direction; text stands with the
// top-left corner of its cell at the given point, on white.
//
// One-pixel lines are set pixel by pixel, clipped to the image, so a segment
// toward a point far outside costs no more than the rows it crosses. Wider
// lines go through QPainter with round caps and joins, a whole run of
// line-tos as one polyline; it is drawn when the run ends, at the latest when
// the canvas goes away, so an error in the middle of a graph keeps what came
// before.
class Leinwand : public Zeichenziel {
public:
    explicit Leinwand(QImage& bild);
    ~Leinwand() override;
    Leinwand(const Leinwand&) = delete;
    Leinwand& operator=(const Leinwand&) = delete;

    void SetzeStift(const QColor& farbe, int breite);
    void SetzeSchrift(const QFont& schrift, const QColor& farbe);
    void BewegeZu(int spalte, int zeile) override;
    void LinieBis(int spalte, int zeile) override;
    void Linie(QPoint von, QPoint bis);
    // Fills the rectangle with white, its right and bottom edge excluded.
    void Weiss(const QRect& rechteck);
    void Text(QPoint obenLinks, const QString& text);

private:
    QPainter& painter();
    void setzePunkte(QPoint von, QPoint bis);
    void zeichneLauf();

    QImage& m_bild;
    std::optional<QPainter> m_painter;
    QPolygon m_lauf; // the run of a wide pen not yet drawn
    std::optional<QFontMetrics> m_schriftmasse;
    QColor m_schriftfarbe = Qt::black;
    QColor m_farbe = Qt::black;
    int m_breite = 1;
    QPoint m_position;
};
