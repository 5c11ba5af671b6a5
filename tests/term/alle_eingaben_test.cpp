// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/parametereingabe.h"

#include <QString>

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>

// Every text a pupil can type into a parameter box: up to six characters
// from the keys the filter lets through under German settings. The value is
// checked against a reading of its own: a plain number is the double nearest
// to its decimal value as glibc reads it, a fraction the quotient of two such
// doubles, rounded to five decimals with ties to even.
//
// All 8,108,731 texts take a while under the sanitizers, so by default
// every 101st is checked; KURVIX_ALLE_EINGABEN=1 checks them all.

namespace {

constexpr std::string_view Tasten = "0123456789,-/ ";
constexpr int Hoechstlaenge = 6;

struct Dezimal {
    bool negativ;
    std::int64_t ziffern; // all digits, the separator left out
    int stellen;          // digits after the separator
};

// Blanks, an optional "-", digits with at most one separator (at least a
// digit or the separator), blanks.
std::optional<Dezimal> lies(std::string_view t)
{
    std::size_t i = 0;
    const auto blanks = [&] {
        while (i < t.size() && t[i] == ' ')
            ++i;
    };
    Dezimal d{false, 0, 0};
    blanks();
    if (i < t.size() && t[i] == '-') {
        d.negativ = true;
        ++i;
    }
    bool etwas = false;
    bool komma = false;
    for (; i < t.size() && (std::isdigit(static_cast<unsigned char>(t[i])) || (t[i] == ',' && !komma)); ++i) {
        etwas = true;
        if (t[i] == ',') {
            komma = true;
            continue;
        }
        d.ziffern = d.ziffern * 10 + (t[i] - '0');
        d.stellen += komma;
    }
    blanks();
    if (!etwas || i != t.size())
        return std::nullopt;
    return d;
}

// The double nearest to ±n·10^-e, as glibc reads "n e-e" in the C locale.
double naechsterDouble(bool negativ, std::int64_t n, int e)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const std::string text = (negativ ? "-" : "") + std::to_string(n) + "e-" + std::to_string(e);
    return strtod_l(text.c_str(), nullptr, c);
}

std::int64_t hoch(std::int64_t basis, int e)
{
    std::int64_t z = 1;
    while (e-- > 0)
        z *= basis;
    return z;
}

// p/q rounded to five decimals as the rule says: quotient and product in
// long double, then the nearest integer, a half going to the even one. The
// extended precision decides the ties: 23/320 is the tie 7187.5 and gives
// 0.07188, while 81/320 comes out a little above 25312.5 and gives 0.25313.
double bruch(double p, double q)
{
    const long double skaliert = static_cast<long double>(p) / q * 100000;
    long double n = std::floor(skaliert);
    const long double rest = skaliert - n;
    if (rest > 0.5L || (rest == 0.5L && std::fmod(n, 2.0L) != 0))
        n += 1;
    return static_cast<double>(n / 100000);
}

double wert(const Dezimal& d) { return naechsterDouble(d.negativ, d.ziffern, d.stellen); }

double erwartet(std::string_view t)
{
    const std::size_t strich = t.find('/');
    if (strich == std::string_view::npos) {
        const std::optional<Dezimal> d = lies(t);
        return d ? wert(*d) : 0;
    }
    const std::optional<Dezimal> p = lies(t.substr(0, strich));
    const std::optional<Dezimal> q = lies(t.substr(strich + 1));
    if (!p || !q || q->ziffern == 0)
        return 0;
    return bruch(wert(*p), wert(*q));
}

bool alle()
{
    const char* wert = std::getenv("KURVIX_ALLE_EINGABEN");
    return wert != nullptr && std::string_view(wert) == "1";
}

// The text with number `nummer` among those of its length, one key per
// base-14 digit.
std::string text(std::int64_t nummer, int laenge)
{
    std::string t(static_cast<std::size_t>(laenge), ' ');
    for (char& c : t) {
        c = Tasten[static_cast<std::size_t>(nummer % static_cast<std::int64_t>(Tasten.size()))];
        nummer /= static_cast<std::int64_t>(Tasten.size());
    }
    return t;
}

TEST(AlleEingaben, HabenDenWertDerEigenenLesung)
{
    const std::int64_t schritt = alle() ? 1 : 101;
    std::int64_t geprueft = 0;
    std::int64_t zahlen = 0;
    std::int64_t brueche = 0;
    for (int laenge = 0; laenge <= Hoechstlaenge; ++laenge) {
        const std::int64_t anzahl = hoch(static_cast<std::int64_t>(Tasten.size()), laenge);
        for (std::int64_t nummer = 0; nummer < anzahl; nummer += schritt) {
            const std::string t = text(nummer, laenge);
            const double wert = Parameterwert(QString::fromLatin1(t.data(), laenge), u",");
            ASSERT_TRUE(std::isfinite(wert)) << '"' << t << '"';
            const double soll = erwartet(t);
            ASSERT_EQ(wert, soll) << '"' << t << '"';
            ++geprueft;
            if (soll != 0)
                ++(t.find('/') == std::string::npos ? zahlen : brueche);
        }
    }
    if (schritt == 1) {
        EXPECT_EQ(geprueft, 8108731); // 1 + 14 + 14² + … + 14⁶
    } else {
        EXPECT_GT(geprueft, 8108731 / 101);
    }
    EXPECT_GT(zahlen, geprueft / 20) << "too few texts with a value to compare";
    EXPECT_GT(brueche, geprueft / 200) << "too few fractions with a value to compare";
    std::cout << geprueft << " texts, " << zahlen << " numbers and " << brueche << " fractions not 0\n";
}

} // namespace
