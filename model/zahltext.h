// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

// Number texts in both directions, made and read without the C library's
// locale; the decimal separator always comes from the caller.

// The one number formatter for every value the user sees in an equation.
//
// Zahltext: at most 15 significant digits, the locale's decimal separator, no
// group separators, no trailing zeros, "-" for negative values. Magnitudes
// below 0.0001 or with more than 15 integral digits take the exponent form
// ("5E-5", "1,5E20").
QString Zahltext(double v, const QLocale& locale = QLocale());

// The shortest text Zahlwert reads back as exactly v, the sign of a zero
// included, as a task file stores a number: plain decimals ("0,3", "-0",
// "1500"), or the exponent form ("1E-5", "1,5E20") where that is shorter.
// v must be finite.
QString KuerzesterZahltext(double v, QStringView dezimaltrenner);

// "- " or "+ " followed by Zahltext of the magnitude: 3 gives "+ 3", -1,5
// gives "- 1,5", 0 gives "+ 0".
QString Vorzeichentext(double v, const QLocale& locale = QLocale());

// Reads a decimal number written with the given decimal separator: optional
// blanks, an optional sign, digits with at most one separator, an optional
// exponent (E or e, optional sign, digits), optional blanks, and nothing
// else. A sign or separator without digits reads as 0 (",", "-,"). No group
// separators, no "inf" or "nan". Empty when the text is no such number or
// its value lies beyond the range of double.
std::optional<double> Zahlwert(QStringView text, QStringView dezimaltrenner);

// Reads a whole number as the type numbers of a task file are written:
// optional blanks, an optional sign, decimal digits, optional blanks, and
// nothing else. Empty when the text is no such number or its value lies
// beyond the range of int.
std::optional<int> Ganzzahlwert(QStringView text);
