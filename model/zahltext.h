#pragma once

#include <QLocale>
#include <QString>

// The one number formatter for every value the user sees in an equation.
//
// Zahltext: at most 15 significant digits, the locale's decimal separator, no
// group separators, no trailing zeros, "-" for negative values. Magnitudes
// below 0.0001 or with more than 15 integral digits take the exponent form
// ("5E-5", "1,5E20").
QString Zahltext(double v, const QLocale& locale = QLocale());

// "- " or "+ " followed by Zahltext of the magnitude: 3 gives "+ 3", -1,5
// gives "- 1,5", 0 gives "+ 0".
QString Vorzeichentext(double v, const QLocale& locale = QLocale());
