// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/zahltext.h"

#include <charconv>
#include <cmath>
#include <string>
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

// "1.5e+20" as a task file writes it: "1.5E20"; "1e-05" as "1E-5".
std::string kurzerExponent(const std::string& text)
{
    const std::size_t e = text.find('e');
    const std::size_t ziffern = e + (text[e + 1] == '+' ? 2 : 1); // from_chars knows only the "-"
    int exponent = 0;
    std::from_chars(text.data() + ziffern, text.data() + text.size(), exponent);
    char puffer[16];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, exponent);
    return text.substr(0, e) + 'E' + std::string(puffer, ende);
}

bool istZiffer(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Copies a run of digits; false if there was none.
bool ziffernfolge(QStringView text, qsizetype& i, std::string& ascii)
{
    const qsizetype anfang = i;
    for (; i < text.size() && istZiffer(text[i]); ++i)
        ascii += static_cast<char>(text[i].unicode());
    return i > anfang;
}

void ueberspringeLeerzeichen(QStringView text, qsizetype& i)
{
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
}

// Passes over an optional sign; from_chars knows only the "-".
void vorzeichen(QStringView text, qsizetype& i, std::string& ascii)
{
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
}

// Checks the grammar and rewrites the number in the ASCII form that
// from_chars reads, which knows no "+" and no blanks: " +12,5E3" becomes
// "012.5e3". Empty if the text breaks the grammar.
std::optional<std::string> normalform(QStringView text, QStringView trenner)
{
    std::string ascii;
    qsizetype i = 0;
    ueberspringeLeerzeichen(text, i);
    vorzeichen(text, i, ascii);
    const qsizetype anfang = i;
    ascii += '0'; // so that ",5" and "," have a whole part to read
    ziffernfolge(text, i, ascii);
    if (!trenner.isEmpty() && text.mid(i).startsWith(trenner)) {
        i += trenner.size();
        ascii += '.';
        ziffernfolge(text, i, ascii);
    }
    if (i == anfang)
        return std::nullopt; // neither a digit nor the separator
    if (i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ascii += 'e';
        if (++i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ascii += static_cast<char>(text[i++].unicode());
        if (!ziffernfolge(text, i, ascii))
            return std::nullopt;
    }
    ueberspringeLeerzeichen(text, i);
    if (i != text.size())
        return std::nullopt;
    return ascii;
}

// Empty when the value lies beyond the range of the type.
template <typename Zahl>
std::optional<Zahl> ausAscii(const std::string& ascii)
{
    const char* anfang = ascii.data();
    const char* ende = anfang + ascii.size();
    Zahl wert{};
    const auto [gelesen, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || gelesen != ende)
        return std::nullopt;
    return wert;
}

} // namespace

std::optional<double> Zahlwert(QStringView text, QStringView dezimaltrenner)
{
    const std::optional<std::string> ascii = normalform(text, dezimaltrenner);
    if (!ascii)
        return std::nullopt;
    return ausAscii<double>(*ascii);
}

std::optional<int> Ganzzahlwert(QStringView text)
{
    std::string ascii;
    qsizetype i = 0;
    ueberspringeLeerzeichen(text, i);
    vorzeichen(text, i, ascii);
    const bool ziffern = ziffernfolge(text, i, ascii);
    ueberspringeLeerzeichen(text, i);
    if (!ziffern || i != text.size())
        return std::nullopt;
    return ausAscii<int>(ascii);
}

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

QString KuerzesterZahltext(double v, QStringView dezimaltrenner)
{
    // to_chars picks the shorter of the plain and the exponent form; the
    // longest plain form, of the smallest subnormal, has 326 characters.
    char puffer[400];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, v);
    std::string text(puffer, ende);
    if (text.find('e') != std::string::npos)
        text = kurzerExponent(text);
    return QString::fromLatin1(text).replace(QLatin1Char('.'), dezimaltrenner.toString());
}

QString Vorzeichentext(double v, const QLocale& locale)
{
    if (v < 0)
        return QStringLiteral("- ") + Zahltext(-v, locale);
    return QStringLiteral("+ ") + Zahltext(v, locale);
}
