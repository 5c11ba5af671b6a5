#pragma once

#include <QImage>
#include <QWidget>

// The plot as a retained raster: what is drawn into Bild stays visible until
// it is drawn over, and the widget repaints it by itself.
class Zeichenflaeche : public QWidget {
public:
    explicit Zeichenflaeche(QWidget* parent);

    QImage& Bild() { return m_bild; }
    const QImage& Bild() const { return m_bild; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_bild;
};
