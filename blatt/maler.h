// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every PDF of the program shares: A4 pages at a fine resolution, the
// program's face, and a painter that works in millimetres.

#include <QColor>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPdfWriter;

inline constexpr int Aufloesung = 1200; // dots per inch of the PDF's coordinates

// The program's face at a size in points.
QFont Papierschrift(double punkte, bool fett = false);

// An A4 page without margins at Aufloesung, its title, the program as creator.
void RichtePdfEin(QPdfWriter& writer, QPageLayout::Orientation lage, const QString& titel);

// Paints in millimetres on the PDF's device coordinates.
class Maler {
public:
    explicit Maler(QPainter& painter);

    QPainter& painter() { return m_p; }
    static double geraet(double mm) { return mm * Aufloesung / 25.4; }
    static QPointF geraet(QPointF mm) { return mm * (Aufloesung / 25.4); }
    static QRectF geraet(const QRectF& mm) { return {geraet(mm.topLeft()), geraet(mm.bottomRight())}; }

    void stift(const QColor& farbe, double breite);
    void linie(QPointF von, QPointF bis) { m_p.drawLine(geraet(von), geraet(bis)); }
    void schrift(const QFont& f) { m_p.setFont(f); }
    double breite(const QString& text) const;
    double hoehe() const;
    void text(QPointF grundlinie, const QString& text) { m_p.drawText(geraet(grundlinie), text); }
    // Text on a white patch, so the grid never runs through it.
    void textAufWeiss(QPointF grundlinie, const QString& text);

private:
    QPainter& m_p;
};
