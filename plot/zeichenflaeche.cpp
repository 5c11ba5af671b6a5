// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/zeichenflaeche.h"

#include "plot/geometrie.h"

#include <QPainter>

namespace {

QImage leeresBild(double geraetepunkteProPunkt)
{
    QImage bild(Geraetegroesse(geraetepunkteProPunkt), QImage::Format_RGB32);
    bild.setDevicePixelRatio(geraetepunkteProPunkt);
    bild.fill(Qt::white);
    return bild;
}

} // namespace

Zeichenflaeche::Zeichenflaeche(QWidget* parent)
    : QWidget(parent)
    , m_bild(leeresBild(devicePixelRatioF()))
{
    setFixedSize(BildBreite, BildHoehe);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Koordinatensystem"));
}

QImage& Zeichenflaeche::NeuesBild()
{
    if (m_bild.devicePixelRatio() != devicePixelRatioF())
        m_bild = leeresBild(devicePixelRatioF());
    return m_bild;
}

void Zeichenflaeche::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_bild);
}
