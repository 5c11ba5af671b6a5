// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

// Fusion everywhere, so the window looks the same on every desktop, with one
// change: a group box is an etched frame whose line runs through the middle
// of its caption and which leaves the window's own background inside, so the
// panels placed over it blend in. The menu bar's extension arrow is drawn,
// not read from a picture: reading the style's picture loads every image
// plugin installed, in the middle of the start.
class Stil : public QProxyStyle {
public:
    Stil();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl element,
                         const QWidget* widget) const override;
    QIcon standardIcon(StandardPixmap symbol, const QStyleOption* option, const QWidget* widget) const override;
};
