#include "model/zahltext.h"

#include <charconv>
#include <cmath>
#include <string_view>

// Every number text is made with std::to_chars, which never looks at the C
// library's locale: QApplication sets LC_NUMERIC from the environment, and a
// printf-style conversion would then write its own decimal comma into the
// digits. The only separator in a result is the one taken from the QLocale
// passed in.

namespace {

constexpr int Stellen = 15;

struct Dezimalzahl {
    QString ziffern; // significant digits, no trailing zeros, at least one
    int exponent;    // decimal exponent of the first digit
};

QString ganzzahltext(int n)
{
    char puffer[16];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, n);
    return QString::fromLatin1(puffer, ende - puffer);
}

// Rounds |v| to 15 significant digits; v must be finite and non-zero.
// to_chars writes "d.dddddddddddddde±x".
Dezimalzahl zerlege(double v)
{
    char puffer[32];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, std::fabs(v), std::chars_format::scientific, Stellen - 1);
    const std::string_view text(puffer, static_cast<std::size_t>(ende - puffer));
    const std::size_t e = text.find('e');
    QString ziffern = QString::fromLatin1(text.substr(0, e)).remove(QLatin1Char('.'));
    while (ziffern.size() > 1 && ziffern.endsWith(QLatin1Char('0')))
        ziffern.chop(1);
    std::string_view hochzahl = text.substr(e + 1);
    if (hochzahl.front() == '+')
        hochzahl.remove_prefix(1);
    int exponent = 0;
    std::from_chars(hochzahl.data(), hochzahl.data() + hochzahl.size(), exponent);
    return {ziffern, exponent};
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
           + ganzzahltext(z.exponent);
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
