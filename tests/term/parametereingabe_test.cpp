// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/parametereingabe.h"

#include "model/funktion.h"
#include "model/zahltext.h"
#include "testhilfe.h"

#include <QString>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <random>
#include <regex>

namespace {

// Box texts written with the decimal comma and their values; each is also
// read with "." in place of "," under the decimal point.
struct Wertfall {
    const char* text;
    double wert;
};

const Wertfall Wertfaelle[] = {
    {"3", 3},
    {"-2,5", -2.5},
    {"0,1234", 0.1234}, // a plain number is not rounded
    {",00005", 0.00005},
    {",5", 0.5},
    {"5,", 5},
    {",", 0},
    {"1/3", 0.33333},
    {"2/3", 0.66667},
    {"-1/3", -0.33333},
    {"1/-3", -0.33333},
    {"-1/-3", 0.33333},
    {"1/8", 0.125},
    {"1/64", 0.01562}, // ties go to the even neighbour
    {"3/64", 0.04688},
    {"23/320", 0.07188}, // a tie only in extended precision
    {"1,5/3", 0.5},
    {" 1/ 4", 0.25},
    {"1E2/3", 33.33333},
    {"", 0},
    {"-", 0},
    {"/", 0},
    {"/3", 0},
    {"3/", 0},
    {"1/0", 0},
    {"0/0", 0},
    {"-1/,", 0},
    {"1/2/4", 0},
    {"--3", 0},
    {"3-", 0},
    {"2 3", 0},
    {"1E309", 0},
    {"1E-400", 0},
    {"abc", 0},
    {"1/3a", 0},
};

class ParameterwertTest : public ::testing::TestWithParam<Wertfall> {};

TEST_P(ParameterwertTest, UnterBeidenTrennern)
{
    const Wertfall& f = GetParam();
    EXPECT_EQ(Parameterwert(QString::fromUtf8(f.text), u","), f.wert) << f.text;
    EXPECT_EQ(Parameterwert(MitPunkt(f.text), u"."), f.wert) << f.text << " with the decimal point";
}

INSTANTIATE_TEST_SUITE_P(Texte, ParameterwertTest, ::testing::ValuesIn(Wertfaelle));

struct Tastenfall {
    char16_t taste;
    bool minusErlaubt;
    char16_t dezimal, tausender;
    char16_t ergebnis; // 0: discarded
};

const Tastenfall Tastenfaelle[] = {
    {u'.', true, u',', u'.', u','}, // German: the point key types the comma
    {u',', true, u',', u'.', u','},
    {u',', true, u'.', u',', u'.'}, // English: the comma key types the point
    {u'.', true, u'.', u',', u'.'},
    {u'0', false, u',', u'.', u'0'},
    {u'9', false, u',', u'.', u'9'},
    {u'/', false, u',', u'.', u'/'},
    {u'-', true, u',', u'.', u'-'},
    {u'-', false, u',', u'.', 0},
    {u' ', false, u',', u'.', u' '},
    {u'\b', false, u',', u'.', u'\b'},
    {u'\r', false, u',', u'.', u'\r'},
    {0x16, false, u',', u'.', 0x16}, // Ctrl+V
    {0x7F, false, u',', u'.', 0x7F}, // Delete
    {u'+', true, u',', u'.', 0},
    {u'e', true, u',', u'.', 0},
    {u'E', true, u',', u'.', 0},
    {u'x', true, u',', u'.', 0},
    {u'!', true, u',', u'.', 0},
    {u':', true, u',', u'.', 0},
    {u'²', true, u',', u'.', 0},
    {u'٣', true, u',', u'.', 0}, // a digit of another script
    {u'\'', true, u'.', u'\'', u'.'}, // Swiss settings
};

class GefilterteTasteTest : public ::testing::TestWithParam<Tastenfall> {};

TEST_P(GefilterteTasteTest, LaesstNurZahlzeichenDurch)
{
    const Tastenfall& f = GetParam();
    EXPECT_EQ(GefilterteTaste(QChar(f.taste), f.minusErlaubt, QChar(f.dezimal), QChar(f.tausender)),
              QChar(f.ergebnis))
        << "key " << static_cast<int>(f.taste);
}

INSTANTIATE_TEST_SUITE_P(Tasten, GefilterteTasteTest, ::testing::ValuesIn(Tastenfaelle));

TEST(MinusErlaubt, NurNichtInFrequenzUndBasis)
{
    const bool erwartet[AnzahlTypen][4] = {
        {true, true, true, true}, {true, true, true, true},  {true, true, true, true},
        {true, true, true, true}, {true, false, true, true}, {true, true, true, true},
        {true, false, true, true},
    };
    for (int typ = 0; typ < AnzahlTypen; ++typ)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(MinusErlaubt(typ, i), erwartet[typ][i]) << "type " << typ << " box " << i;
}

// An independent reading of a plain number: a regular expression for the
// shape and glibc's strtold, in the C locale, for the value.
std::optional<double> referenz(const std::string& text)
{
    static const std::regex zahl(R"( *([+-]?)(\d*)(\.?)(\d*)([eE][+-]?\d+)? *)");
    std::smatch teile;
    if (!std::regex_match(text, teile, zahl) || (teile[2].length() == 0 && teile[3].length() == 0
                                                 && teile[4].length() == 0))
        return std::nullopt;
    const std::string normal = teile[1].str() + "0" + teile[2].str() + teile[3].str() + teile[4].str()
                               + teile[5].str();
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const long double wert = strtold_l(normal.c_str(), nullptr, c);
    if (std::fabs(wert) > std::numeric_limits<double>::max()
        || (wert != 0 && std::fabs(wert) < std::numeric_limits<double>::denorm_min() / 2.0L))
        return std::nullopt;
    return static_cast<double>(wert);
}

// Many random box texts of up to six characters, from the keys the filter
// lets through (plus the exponent letter and blanks of pasted text) and from
// arbitrary bytes: the value is always finite, and a plain number has the
// value the reference reads.
TEST(Parameterwert, ZufaelligeTexte)
{
    std::mt19937 zufall(20261208);
    const std::string tasten = "0123456789-/. eE+";
    int zahlen = 0;
    for (int durchgang = 0; durchgang < 40000; ++durchgang) {
        const bool beliebig = durchgang % 4 == 0;
        std::string text(zufall() % 7, ' ');
        for (char& c : text)
            c = beliebig ? static_cast<char>(zufall() % 256) : tasten[zufall() % tasten.size()];
        const QString qtext = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        const double wert = Parameterwert(qtext, u".");
        ASSERT_TRUE(std::isfinite(wert)) << text;
        if (qtext.contains(QLatin1Char('/')) || text == "-")
            continue;
        const std::optional<double> erwartet = referenz(text);
        if (erwartet)
            ++zahlen;
        ASSERT_EQ(wert, erwartet.value_or(0)) << '"' << text << '"';
        ASSERT_EQ(Zahlwert(qtext, u"."), erwartet) << '"' << text << '"';
    }
    EXPECT_GT(zahlen, 3000) << "too few plain numbers to compare";
}

} // namespace
