// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The byte level of a task file. Teachers write these files with old Windows
// editors, so they are read as Windows-1252 with the line ends of that world:
// CR LF or a lone CR ends a line, a line feed on its own is an ordinary
// character, and a byte 26 (Ctrl-Z) marks the end of the file.

// One character per byte: Latin-1, but 0x80..0x9F carry the Windows signs
// (€, „, “, ”, –, Š, …). Bytes Windows leaves undefined there keep their
// code point.
QString AusWindows1252(QByteArrayView bytes);

// The byte that AusWindows1252 reads as the character, or nothing when
// Windows-1252 cannot hold it.
std::optional<char> Windows1252Byte(char32_t zeichen);

// The byte 26 that ends the file and every byte after it, as they stand;
// empty when the file holds no Ctrl-Z.
QByteArray AbDateiende(const QByteArray& inhalt);

// The line the first Ctrl-Z stands in, counted from 1 as Zeilenquelle
// counts, when any byte follows it: bytes a teacher may have written but the
// program never reads. Nothing for a file without them.
std::optional<int> ZeileMitVerborgenemRest(const QByteArray& inhalt);

// Hands out the lines of a file held in memory, one at a time.
class Zeilenquelle {
public:
    explicit Zeilenquelle(const QByteArray& inhalt = {});

    // True when no character is left before the end of the file.
    bool AmEnde() const;
    // The next line without its line end; empty at the end of the file.
    QString LiesZeile();
    // The number of the line LiesZeile gave last, counted from 1; 0 before
    // the first line.
    int Zeilennummer() const { return m_zeilennummer; }

private:
    QByteArray m_inhalt; // cut at the first Ctrl-Z
    qsizetype m_position = 0;
    int m_zeilennummer = 0;
};
