// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/maler.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>

QFont Papierschrift(double punkte, bool fett)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

void RichtePdfEin(QPdfWriter& writer, QPageLayout::Orientation lage, const QString& titel)
{
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(lage);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(Aufloesung);
    writer.setTitle(titel);
    writer.setCreator(QStringLiteral("Kurvix"));
}

Maler::Maler(QPainter& painter)
    : m_p(painter)
{
    m_p.setRenderHint(QPainter::Antialiasing);
}

void Maler::stift(const QColor& farbe, double breite)
{
    QPen pen(farbe, geraet(breite));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_p.setPen(pen);
}

double Maler::breite(const QString& text) const
{
    return QFontMetricsF(m_p.font(), m_p.device()).horizontalAdvance(text) / geraet(1.0);
}

double Maler::hoehe() const { return QFontMetricsF(m_p.font(), m_p.device()).capHeight() / geraet(1.0); }

void Maler::textAufWeiss(QPointF grundlinie, const QString& text)
{
    const QRectF feld(grundlinie.x() - 0.3, grundlinie.y() - hoehe() - 0.4, breite(text) + 0.6, hoehe() + 0.8);
    m_p.fillRect(geraet(feld), Qt::white);
    m_p.drawText(geraet(grundlinie), text);
}
