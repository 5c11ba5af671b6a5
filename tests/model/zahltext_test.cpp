// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/zahltext.h"

#include "testhilfe.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <optional>
#include <utility>

namespace {

const QLocale Deutsch(QLocale::German, QLocale::Germany);
const QLocale Englisch(QLocale::English, QLocale::UnitedStates);

struct Zahl {
    double wert;
    const char* deutsch;
    const char* englisch;
};

const Zahl Zahlen[] = {
    {2, "2", "2"},
    {0.5, "0,5", "0.5"},
    {-1.25, "-1,25", "-1.25"},
    {0.33333, "0,33333", "0.33333"},
    {1.0 / 3, "0,333333333333333", "0.333333333333333"},
    {0.1 + 0.2, "0,3", "0.3"},
    {100, "100", "100"},
    {1234567.5, "1234567,5", "1234567.5"},
    {0, "0", "0"},
    {-0.0, "0", "0"},
    // The exponent form starts below 0.0001 ...
    {0.0001, "0,0001", "0.0001"},
    {0.00012, "0,00012", "0.00012"},
    {0.00005, "5E-5", "5E-5"},
    {-0.00005, "-5E-5", "-5E-5"},
    {0.000099999, "9,9999E-5", "9.9999E-5"},
    {0.00009999999999999999, "0,0001", "0.0001"}, // rounds up to 15 digits first
    {1e-300, "1E-300", "1E-300"},
    // ... and above 15 integral digits.
    {999999999999999, "999999999999999", "999999999999999"},
    {1e15, "1E15", "1E15"},
    {1.5e20, "1,5E20", "1.5E20"},
    {123456789012345678.0, "1,23456789012346E17", "1.23456789012346E17"},
    {-2.5e100, "-2,5E100", "-2.5E100"},
};

class ZahltextTest : public ::testing::TestWithParam<Zahl> {};

TEST_P(ZahltextTest, FolgtDenRegionalenEinstellungen)
{
    const Zahl& z = GetParam();
    EXPECT_EQ(Zahltext(z.wert, Deutsch), QString::fromUtf8(z.deutsch));
    EXPECT_EQ(Zahltext(z.wert, Englisch), QString::fromUtf8(z.englisch));
}

INSTANTIATE_TEST_SUITE_P(Zahlen, ZahltextTest, ::testing::ValuesIn(Zahlen));

TEST(Zahltext, UnendlichUndNaNBleibenLesbar)
{
    EXPECT_EQ(Zahltext(std::numeric_limits<double>::infinity(), Deutsch), QStringLiteral("∞"));
    EXPECT_EQ(Zahltext(-std::numeric_limits<double>::infinity(), Deutsch), QStringLiteral("-∞"));
    EXPECT_EQ(Zahltext(std::numeric_limits<double>::quiet_NaN(), Deutsch), QStringLiteral("NaN"));
}

struct Vorzeichen {
    double wert;
    const char* text;
};

const Vorzeichen Vorzeichenfaelle[] = {
    {3, "+ 3"}, {-1.5, "- 1,5"}, {0, "+ 0"}, {-0.0, "+ 0"}, {-0.00005, "- 5E-5"}, {2e20, "+ 2E20"},
};

class VorzeichentextTest : public ::testing::TestWithParam<Vorzeichen> {};

TEST_P(VorzeichentextTest, TrenntVorzeichenUndBetragDurchEinLeerzeichen)
{
    EXPECT_EQ(Vorzeichentext(GetParam().wert, Deutsch), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Zahlen, VorzeichentextTest, ::testing::ValuesIn(Vorzeichenfaelle));

} // namespace

namespace {

TEST(Region, DieVomSystemGenannteRegionIstWirksam)
{
    ASSERT_TRUE(GewaehlteRegion()) << "the locale named by LC_ALL or LANG is not installed; "
                                      "./build.sh test generates de_DE.UTF-8 and en_US.UTF-8";
    // The C library and Qt agree on the separator, so a test run under a
    // German environment really runs with a decimal comma everywhere.
    EXPECT_EQ(QString::fromLatin1(std::localeconv()->decimal_point), QLocale().decimalPoint());
}

// Under German settings QApplication switches the C library to a decimal
// comma; the number texts must not pick it up a second time.
TEST(Region, ZahltextUnberuehrtVomDeutschenLCNumeric)
{
    const Regionswechsel deutsch("de_DE.UTF-8");
    ASSERT_TRUE(deutsch.Gelungen()) << "de_DE.UTF-8 is not installed";
    const std::pair<double, const char*> faelle[] = {
        {2, "2"},           {0.5, "0,5"}, {-1.25, "-1,25"}, {0.33333, "0,33333"},
        {1.5e20, "1,5E20"}, {5e-5, "5E-5"}, {0.0001, "0,0001"},
    };
    for (const auto& [wert, text] : faelle)
        EXPECT_EQ(Zahltext(wert, Deutsch), QString::fromLatin1(text)) << wert;
    EXPECT_EQ(Vorzeichentext(-1.5, Deutsch), QStringLiteral("- 1,5"));
}

} // namespace

namespace {

// Texts read with the decimal comma; the same text with "." in place of ","
// is read with the decimal point. std::nullopt marks a failure.
struct Lesefall {
    const char* text;
    std::optional<double> wert;
};

const Lesefall Lesefaelle[] = {
    {"3", 3},
    {"-2,5", -2.5},
    {"0,1234", 0.1234},
    {",5", 0.5},
    {"5,", 5},
    {",", 0},
    {"-,", 0},
    {"+5", 5},
    {"  7 ", 7},
    {"-0", 0},
    {"1E308", 1e308},
    {"1e-5", 1e-5},
    {"2,5E+3", 2500},
    {",5e1", 5},
    {"1E-310", 1e-310}, // below the smallest normal double, still a value
    {"0E9999", 0},
    {"1E309", std::nullopt},
    {"-1E309", std::nullopt},
    {"1E-400", std::nullopt},
    {"1E", std::nullopt},
    {"1E+", std::nullopt},
    {"e5", std::nullopt},
    {"E", std::nullopt},
    {"", std::nullopt},
    {" ", std::nullopt},
    {"-", std::nullopt},
    {"+-3", std::nullopt},
    {"3-", std::nullopt},
    {"2 3", std::nullopt},
    {"1,2,3", std::nullopt},
    {"1,5 E3", std::nullopt},
    {"\t5", std::nullopt}, // only the blank counts as a blank
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"0x10", std::nullopt},
    {"１", std::nullopt}, // a full-width digit
};

class ZahlwertTest : public ::testing::TestWithParam<Lesefall> {};

TEST_P(ZahlwertTest, LiestGenauDieZahlschreibweise)
{
    const Lesefall& f = GetParam();
    EXPECT_EQ(Zahlwert(QString::fromUtf8(f.text), u","), f.wert) << f.text;
    EXPECT_EQ(Zahlwert(MitPunkt(f.text), u"."), f.wert) << f.text << " with the decimal point";
}

INSTANTIATE_TEST_SUITE_P(Texte, ZahlwertTest, ::testing::ValuesIn(Lesefaelle));

TEST(Zahlwert, DerFremdeTrennerIstKeiner)
{
    EXPECT_EQ(Zahlwert(u"1.5", u","), std::nullopt);
    EXPECT_EQ(Zahlwert(u"1,5", u"."), std::nullopt);
    EXPECT_EQ(Zahlwert(u"1.000", u","), std::nullopt) << "no group separators";
}

} // namespace

namespace {

// The type numbers of a task file; std::nullopt marks a failure.
struct Ganzzahlfall {
    const char* text;
    std::optional<int> wert;
};

const Ganzzahlfall Ganzzahlfaelle[] = {
    {"3", 3},
    {"+7", 7},
    {"-2", -2},
    {" 4 ", 4},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", std::nullopt},
    {"", std::nullopt},
    {"-", std::nullopt},
    {"x", std::nullopt},
    {"3x", std::nullopt},
    {"3,0", std::nullopt},
    {"1E2", std::nullopt},
    {"1 3", std::nullopt},
    {"\t3", std::nullopt},
    {"$1F", std::nullopt},
    {"１", std::nullopt},
};

class GanzzahlwertTest : public ::testing::TestWithParam<Ganzzahlfall> {};

TEST_P(GanzzahlwertTest, LiestNurGanzeZahlen)
{
    EXPECT_EQ(Ganzzahlwert(QString::fromUtf8(GetParam().text)), GetParam().wert) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texte, GanzzahlwertTest, ::testing::ValuesIn(Ganzzahlfaelle));

} // namespace
