#include "term/zahltext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Stellen = 15;

struct Dezimalzahl {
    QString ziffern; // significant digits, no trailing zeros, at least one
    int exponent;    // decimal exponent of the first digit
};

// Rounds |v| to 15 significant digits; v must be finite and non-zero.
Dezimalzahl zerlege(double v)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.*e", Stellen - 1, std::fabs(v));
    const QString text = QString::fromLatin1(puffer);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    QString ziffern = text.left(e).remove(QLatin1Char('.'));
    while (ziffern.size() > 1 && ziffern.endsWith(QLatin1Char('0')))
        ziffern.chop(1);
    return {ziffern, std::atoi(puffer + e + 1)};
}

QString mitBruchteil(const QString& ganz, const QString& bruch, const QLocale& locale)
{
    return bruch.isEmpty() ? ganz : ganz + locale.decimalPoint() + bruch;
}

QString festkomma(const Dezimalzahl& z, const QLocale& locale)
{
    if (z.exponent < 0)
        return mitBruchteil(QStringLiteral("0"), QString(-z.exponent - 1, QLatin1Char('0')) + z.ziffern,
                            locale);
    const qsizetype ganzStellen = z.exponent + 1;
    if (z.ziffern.size() <= ganzStellen)
        return z.ziffern + QString(ganzStellen - z.ziffern.size(), QLatin1Char('0'));
    return mitBruchteil(z.ziffern.left(ganzStellen), z.ziffern.mid(ganzStellen), locale);
}

QString exponentform(const Dezimalzahl& z, const QLocale& locale)
{
    return mitBruchteil(z.ziffern.left(1), z.ziffern.mid(1), locale) + QLatin1Char('E')
           + QString::number(z.exponent);
}

} // namespace

QString Zahltext(double v, const QLocale& locale)
{
    if (v == 0)
        return QStringLiteral("0"); // -0 too
    if (std::isnan(v))
        return QStringLiteral("NaN");
    const QString vorzeichen = v < 0 ? QStringLiteral("-") : QString();
    if (std::isinf(v))
        return vorzeichen + QStringLiteral("∞");
    const Dezimalzahl z = zerlege(v);
    const bool exponent = z.exponent < -4 || z.exponent >= Stellen;
    return vorzeichen + (exponent ? exponentform(z, locale) : festkomma(z, locale));
}

QString Vorzeichentext(double v, const QLocale& locale)
{
    if (v < 0)
        return QStringLiteral("- ") + Zahltext(-v, locale);
    return QStringLiteral("+ ") + Zahltext(v, locale);
}
