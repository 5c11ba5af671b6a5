#include "plot/zeichenflaeche.h"

#include "plot/geometrie.h"

#include <QPainter>

Zeichenflaeche::Zeichenflaeche(QWidget* parent)
    : QWidget(parent)
    , m_bild(BildBreite, BildHoehe, QImage::Format_RGB32)
{
    m_bild.fill(Qt::white);
    setFixedSize(BildBreite, BildHoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Koordinatensystem"));
}

void Zeichenflaeche::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_bild);
}
