// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/parametereingabe.h"

#include "model/funktion.h"
#include "model/zahltext.h"

#include <cmath>

QChar GefilterteTaste(QChar taste, bool minusErlaubt, QChar dezimaltrenner, QChar tausendertrenner)
{
    if (taste == tausendertrenner)
        taste = dezimaltrenner;
    // Delete and the other keys that type nothing visible count as control
    // characters too, so editing keeps working.
    const bool steuerzeichen = taste.unicode() <= 32 || taste.category() == QChar::Other_Control;
    const bool ziffer = taste >= QLatin1Char('0') && taste <= QLatin1Char('9');
    const bool minus = taste == QLatin1Char('-') && minusErlaubt;
    const bool erlaubt =
        steuerzeichen || ziffer || minus || taste == dezimaltrenner || taste == QLatin1Char('/');
    return erlaubt ? taste : QChar();
}

bool MinusErlaubt(int Typ, int i) { return !(i == 1 && (Typ == Sinus || Typ == Exponential)); }

namespace {

// p/q in extended precision, 0 where either part is missing (an empty text
// is no number) or no number, or where the denominator is 0.
long double bruchwert(QStringView zaehler, QStringView nenner, QStringView dezimaltrenner)
{
    const std::optional<double> p = Zahlwert(zaehler, dezimaltrenner);
    const std::optional<double> q = Zahlwert(nenner, dezimaltrenner);
    if (!p || !q || *q == 0)
        return 0;
    return static_cast<long double>(*p) / *q;
}

// Rounds to five decimals, ties to even. Quotient and product are formed in
// extended precision, and a fraction whose decimal value ends on a half at
// the sixth decimal comes out differently in double: 23/320 = 0.071875 gives
// the tie 7187.5 in extended precision and so 0.07188, but 7187.4999… and
// 0.07187 when p/q is first rounded to a double.
double aufFuenfStellen(long double v)
{
    const long double gerundet = std::nearbyint(v * 100000.0L) / 100000.0L;
    const double wert = static_cast<double>(gerundet);
    return std::isfinite(wert) ? wert : 0;
}

} // namespace

double Parameterwert(QStringView text, QStringView dezimaltrenner)
{
    if (text.isEmpty() || text == u"-")
        return 0;
    const qsizetype strich = text.indexOf(QLatin1Char('/'));
    if (strich < 0)
        return Zahlwert(text, dezimaltrenner).value_or(0);
    return aufFuenfStellen(bruchwert(text.left(strich), text.mid(strich + 1), dezimaltrenner));
}
