// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/zeilenquelle.h"

#include "testhilfe.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

// Bytes of a file and the lines read from it up to its end.
struct Zerlegung {
    const char* name;
    QByteArray bytes;
    QStringList zeilen;
};

// Line ends, Ctrl-Z and lone CRs in whole files are covered with the reader;
// these are the corners of the byte level.
const Zerlegung Zerlegungen[] = {
    {"LetzteZeileOhneEnde", "a\r\nb", {"a", "b"}},
    {"LfAmAnfang", "\na", {"\na"}},
    {"LeereZeilen", "a\r\n\r\n\rb", {"a", "", "", "b"}},
    {"CrVorCrLf", "a\r\r\nb", {"a", "", "b"}},
    {"NurZeilenende", "\r\n", {""}},
    {"CtrlZNachZeilenende", "a\r\n\x1A", {"a"}},
    {"NulIstEinZeichen", QByteArray("a\0b", 3), {QStringView(u"a\0b", 3).toString()}},
};

class ZeilenquelleTest : public ::testing::TestWithParam<Zerlegung> {};

TEST_P(ZeilenquelleTest, TrenntZeilenWieWindows)
{
    Zeilenquelle quelle(GetParam().bytes);
    QStringList gelesen;
    while (!quelle.AmEnde())
        gelesen << quelle.LiesZeile();
    EXPECT_EQ(gelesen, GetParam().zeilen);
    EXPECT_EQ(quelle.LiesZeile(), QString()) << "reading at the end gives an empty line";
    EXPECT_TRUE(quelle.AmEnde());
}

INSTANTIATE_TEST_SUITE_P(Dateien, ZeilenquelleTest, ::testing::ValuesIn(Zerlegungen),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Zeilenquelle, ZaehltDieGelesenenZeilen)
{
    Zeilenquelle quelle("a\r\n\r\nb\nc\rd\x1A\re");
    EXPECT_EQ(quelle.Zeilennummer(), 0);
    const int erwartet[] = {1, 2, 3, 4, 4};
    for (const int nummer : erwartet) {
        quelle.LiesZeile();
        EXPECT_EQ(quelle.Zeilennummer(), nummer);
    }
}

// Byte values and the characters Windows-1252 gives them.
struct Zeichenfall {
    unsigned char byte;
    char16_t zeichen;
};

const Zeichenfall Zeichenfaelle[] = {
    {0x41, u'A'}, {0x7F, u'\x7F'}, {0x80, u'€'}, {0x81, u'\x81'}, {0x84, u'„'}, {0x8A, u'Š'}, {0x93, u'“'},
    {0x96, u'–'}, {0x9D, u'\x9D'}, {0x9F, u'Ÿ'}, {0xA0, u'\xA0'}, {0xDF, u'ß'}, {0xFC, u'ü'}, {0xFF, u'ÿ'},
};

class Windows1252Test : public ::testing::TestWithParam<Zeichenfall> {};

TEST_P(Windows1252Test, GibtJedemByteSeinZeichen)
{
    const char byte = static_cast<char>(GetParam().byte);
    EXPECT_EQ(AusWindows1252(QByteArrayView(&byte, 1)), QString(QChar(GetParam().zeichen)))
        << "byte 0x" << std::hex << int(GetParam().byte);
    EXPECT_EQ(Windows1252Byte(GetParam().zeichen), byte);
}

INSTANTIATE_TEST_SUITE_P(Bytes, Windows1252Test, ::testing::ValuesIn(Zeichenfaelle));

} // namespace
