// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// The plot as a retained raster: what is drawn into Bild stays visible until
// it is drawn over, and the widget repaints it by itself. The raster has
// the screen's device pixels, so a scaled desktop shows the plot as sharp
// as the text beside it.
class Zeichenflaeche : public QWidget {
public:
    explicit Zeichenflaeche(QWidget* parent);

    QImage& Bild() { return m_bild; }
    const QImage& Bild() const { return m_bild; }
    // Bild, sized anew when the widget has moved to a screen of another
    // device pixel ratio; a drawing pass starts here.
    QImage& NeuesBild();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_bild;
};
