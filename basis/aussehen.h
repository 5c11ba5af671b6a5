// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the equations and the plot share of their looks: the colour values
// of the program and its bundled face.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>

#include <cstdint>
#include <utility>

// Colours are written as 24-bit values 0x00BBGGRR, blue in the high byte:
// Farbe(0xFF0000) is blue, Farbe(0x0000FF) is red.
inline QColor Farbe(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
                  static_cast<int>((bgr >> 16U) & 0xFFU));
}

// The program's sans-serif face at a pixel size, so that the fixed layout is
// the same on every screen. Bold and underline are always set explicitly, so
// a child never inherits them from its parent's font.
QFont Schrift(int pixel, bool fett = false, bool unterstrichen = false);

// Advances of texts as QFontMetrics gives them, each shaped once per font
// and text: the equations measure the same few pieces again and again.
// Typed values add pieces without end, so the store starts afresh once it
// holds Hoechstzahl of them.
class Breitenspeicher {
public:
    static constexpr qsizetype Hoechstzahl = 1000;

    int Breite(const QFont& schrift, const QString& text);
    qsizetype Anzahl() const { return m_breiten.size(); }

private:
    QHash<std::pair<QFont, QString>, int> m_breiten;
};

// The advance of text in a font, from the program's one store.
int Textbreite(const QFont& schrift, const QString& text);

// The picture name.png of the program's resources. The format is named,
// not guessed: guessing first loads every image plugin installed, which the
// start would pay for.
QPixmap PngBild(const QString& name);
