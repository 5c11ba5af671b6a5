// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/bausteine.h"

#include <QPainter>

void SetzeTextfarbe(QWidget* w, const QColor& farbe)
{
    // The disabled group keeps the style's grey, so a disabled button looks
    // disabled whatever its colour.
    QPalette palette = w->palette();
    bool gleich = true;
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive})
        for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            gleich = gleich && palette.isBrushSet(gruppe, rolle) && palette.color(gruppe, rolle) == farbe;
            palette.setColor(gruppe, rolle, farbe);
        }
    // Every keystroke recolours the value equation; setting an unchanged
    // palette would still resolve it against the parent's.
    if (!gleich)
        w->setPalette(palette);
}

void SetzeHintergrund(QWidget* w, const QColor& farbe)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, farbe);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

Figur::Figur(QWidget* parent)
    : QWidget(parent)
{
}

void Figur::SetzeForm(Form form)
{
    m_form = form;
    update();
}

void Figur::SetzeFarben(const QColor& stift, const QColor& pinsel)
{
    m_stift = stift;
    m_pinsel = pinsel;
    update();
}

void Figur::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    if (m_form == Form::Kreis) {
        // Smoothed, so a dot of four pixels reads as round, not square.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(m_stift, 1));
        painter.setBrush(m_pinsel);
        const double d = std::min(width(), height());
        painter.drawEllipse(QRectF(0.5, 0.5, d - 1, d - 1));
    } else {
        // Outline and filling as areas, so a bar one pixel high shows too.
        painter.fillRect(rect(), m_stift);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), m_pinsel);
    }
}

Rahmenpanel::Rahmenpanel(QWidget* parent, Kante aussen, Kante innen)
    : QWidget(parent)
    , m_aussen(aussen)
    , m_innen(innen)
{
    setAutoFillBackground(true);
}

namespace {

// Light on the top and left edge and shadow on the bottom and right edge
// make a bevel look raised; the other way round, lowered.
void zeichneKante(QPainter& painter, const QRect& r, Rahmenpanel::Kante kante, const QPalette& palette)
{
    const bool erhaben = kante == Rahmenpanel::Kante::Erhaben;
    const QColor oben = erhaben ? palette.color(QPalette::Light) : palette.color(QPalette::Dark);
    const QColor unten = erhaben ? palette.color(QPalette::Dark) : palette.color(QPalette::Light);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), oben);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), oben);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), unten);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), unten);
}

} // namespace

void Rahmenpanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect r = rect();
    for (const Kante kante : {m_aussen, m_innen}) {
        if (kante == Kante::Keine)
            continue;
        zeichneKante(painter, r, kante, palette());
        r.adjust(1, 1, -1, -1);
    }
}
