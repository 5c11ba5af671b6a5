// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A PDF of A4 pages that holds tables: a heading, lines about what follows,
// one or more tables whose rows wrap their cells and whose header row
// repeats on every page, and closing lines. Records and class overviews are
// written this way.

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

struct Tabelle {
    QString Ueberschrift;        // above the table; may be empty
    std::vector<double> Breiten; // of the columns, in millimetres
    QStringList Koepfe;
    std::vector<QStringList> Zeilen;
};

struct Tabellenblatt {
    QPageLayout::Orientation Lage = QPageLayout::Portrait;
    QString Titel; // the heading and the PDF's title
    QStringList Kopfzeilen;
    std::vector<Tabelle> Tabellen;
    QStringList Schlusszeilen;
    QByteArray Xmp; // the PDF's XMP metadata; empty for Qt's own
};

// Text of any length wraps at word boundaries, a long word anywhere; the
// face falls back to another one for characters it lacks.
// Throws Blattfehler when the PDF cannot be made.
QByteArray Tabellenpdf(const Tabellenblatt& blatt);

// The same pages drawn onto a PDF writer or a printer, which must be set up
// as RichtePdfEin does (A4 in the sheet's orientation, no margins,
// Aufloesung dots per inch): the drawing works in that device's units.
// Throws Blattfehler when the device cannot be painted on.
void ZeichneTabellenblatt(QPagedPaintDevice& geraet, const Tabellenblatt& blatt);
