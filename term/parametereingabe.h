// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the parameter boxes of the pupil's equation accept and what a typed
// text is worth, free of any widget.

#include <QChar>
#include <QStringView>

// The characters a parameter box lets through, given the locale's
// separators. The key of the thousands separator types the decimal
// separator (under German settings "." types ","). Control characters and
// the blank, digits, the decimal separator and "/" pass, and "-" where the
// parameter may be negative; every other character is discarded. Returns
// the character to type, or QChar() to discard the keystroke.
QChar GefilterteTaste(QChar taste, bool minusErlaubt, QChar dezimaltrenner, QChar tausendertrenner);

// Whether box E<i> of a type's equation takes a minus sign: not the
// frequency k of Sinus and not the base b of Exponential.
bool MinusErlaubt(int Typ, int i);

// The value of a parameter box's text: a decimal number (Zahlwert) or a
// fraction p/q, split at the first slash and rounded to five decimals, ties
// to even. Text that is neither, an incomplete fraction and a denominator of
// 0 are worth 0: the pupil is never told off for what is in a box.
double Parameterwert(QStringView text, QStringView dezimaltrenner);
