// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/stil.h"

#include <QIconEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>

namespace {

constexpr int TitelEinzug = 8;

// "»" in two strokes, at whatever size and pixel ratio it is asked for.
class Doppelpfeil : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const QColor farbe = mode == QIcon::Disabled ? QColor(0x80, 0x80, 0x80) : QColor(0x30, 0x30, 0x30);
        painter->setPen(QPen(farbe, rect.height() / 10.0 + 0.5));
        const QRectF feld = QRectF(rect).adjusted(rect.width() * 0.25, rect.height() * 0.3, -rect.width() * 0.25,
                                                  -rect.height() * 0.3);
        const qreal halb = feld.width() / 2;
        for (const qreal links : {feld.left(), feld.left() + halb})
            painter->drawPolyline(QPolygonF({QPointF(links, feld.top()), QPointF(links + halb, feld.center().y()),
                                             QPointF(links, feld.bottom())}));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap bild(size);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        paint(&maler, bild.rect(), mode, state);
        return bild;
    }
    QIconEngine* clone() const override { return new Doppelpfeil; }
};

} // namespace

Stil::Stil()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

QIcon Stil::standardIcon(StandardPixmap symbol, const QStyleOption* option, const QWidget* widget) const
{
    if (symbol == SP_ToolBarHorizontalExtensionButton)
        return QIcon(new Doppelpfeil);
    return QProxyStyle::standardIcon(symbol, option, widget);
}

QRect Stil::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl element,
                           const QWidget* widget) const
{
    const auto* gruppe = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !gruppe)
        return QProxyStyle::subControlRect(control, option, element, widget);
    const QFontMetrics& masse = option->fontMetrics;
    const int titelhoehe = masse.height();
    switch (element) {
    case SC_GroupBoxLabel:
        return {option->rect.left() + TitelEinzug, option->rect.top(), masse.horizontalAdvance(gruppe->text),
                titelhoehe};
    case SC_GroupBoxContents:
        return option->rect.adjusted(2, titelhoehe, -2, -2);
    case SC_GroupBoxFrame:
        return option->rect.adjusted(0, titelhoehe / 2, 0, 0);
    default:
        return QProxyStyle::subControlRect(control, option, element, widget);
    }
}

void Stil::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* gruppe = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !gruppe) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect rahmen = subControlRect(control, option, SC_GroupBoxFrame, widget).adjusted(0, 0, -2, -2);
    painter->save();
    painter->setBrush(Qt::NoBrush);
    painter->setPen(option->palette.color(QPalette::Light));
    painter->drawRect(rahmen.translated(1, 1));
    painter->setPen(option->palette.color(QPalette::Dark));
    painter->drawRect(rahmen);
    const QRect titel = subControlRect(control, option, SC_GroupBoxLabel, widget);
    painter->fillRect(titel, option->palette.color(QPalette::Window));
    proxy()->drawItemText(painter, titel, Qt::AlignLeft | Qt::AlignVCenter, option->palette,
                          option->state & State_Enabled, gruppe->text, QPalette::WindowText);
    painter->restore();
}
