// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/zeilenquelle.h"

#include <algorithm>
#include <array>

namespace {

constexpr char WagenruecklaufZeichen = '\r';
constexpr char Zeilenvorschub = '\n';
constexpr char DateiendeZeichen = 26; // Ctrl-Z

// The characters Windows-1252 puts at 0x80..0x9F, where Latin-1 has control
// codes. 0x81, 0x8D, 0x8F, 0x90 and 0x9D are undefined and stay as they are.
constexpr std::array<char16_t, 32> WindowsZeichen = {
    u'€',    u'\x81', u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š',    u'‹', u'Œ', u'\x8D', u'Ž', u'\x8F',
    u'\x90', u'‘',    u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š',    u'›', u'œ', u'\x9D', u'ž', u'Ÿ',
};

// Nothing after the first Ctrl-Z belongs to the file.
QByteArray bisDateiende(const QByteArray& inhalt)
{
    const qsizetype ende = inhalt.indexOf(DateiendeZeichen);
    return ende < 0 ? inhalt : inhalt.left(ende);
}

QChar zeichen(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(WindowsZeichen[byte - 0x80]);
    return QChar(byte);
}

} // namespace

QByteArray AbDateiende(const QByteArray& inhalt)
{
    const qsizetype ende = inhalt.indexOf(DateiendeZeichen);
    return ende < 0 ? QByteArray() : inhalt.sliced(ende);
}

std::optional<int> ZeileMitVerborgenemRest(const QByteArray& inhalt)
{
    const qsizetype ende = inhalt.indexOf(DateiendeZeichen);
    if (ende < 0 || ende + 1 == inhalt.size())
        return std::nullopt;
    // Every line end holds one CR, a CR LF as well as a lone CR.
    return static_cast<int>(QByteArrayView(inhalt).first(ende).count(WagenruecklaufZeichen)) + 1;
}

QString AusWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += zeichen(static_cast<unsigned char>(byte));
    return text;
}

std::optional<char> Windows1252Byte(char32_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return static_cast<char>(zeichen);
    // The table holds the five undefined bytes as themselves.
    const auto* windows = std::ranges::find(WindowsZeichen, zeichen);
    if (windows == WindowsZeichen.end())
        return std::nullopt;
    return static_cast<char>(0x80 + (windows - WindowsZeichen.begin()));
}

Zeilenquelle::Zeilenquelle(const QByteArray& inhalt)
    : m_inhalt(bisDateiende(inhalt))
{
}

bool Zeilenquelle::AmEnde() const { return m_position >= m_inhalt.size(); }

QString Zeilenquelle::LiesZeile()
{
    if (AmEnde())
        return {};
    ++m_zeilennummer;
    const qsizetype anfang = m_position;
    qsizetype ende = m_inhalt.indexOf(WagenruecklaufZeichen, anfang);
    if (ende < 0)
        ende = m_inhalt.size();
    m_position = ende + 1;
    if (m_position < m_inhalt.size() && m_inhalt[m_position] == Zeilenvorschub)
        ++m_position;
    return AusWindows1252(QByteArrayView(m_inhalt).sliced(anfang, ende - anfang));
}
