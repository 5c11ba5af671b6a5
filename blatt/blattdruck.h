// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "blatt/arbeitsblatt.h"

#include <QString>
#include <QStringList>

#include <optional>

class QPagedPaintDevice;
class QPrinter;

// Writes the worksheet as a PDF of A4 portrait pages: the heading, the
// numbered tasks, each a plane at 1 cm per unit with its given graph and a
// line "f(x) =" to fill in, two tasks to a page, and after them the answer
// key. Everything is drawn as vectors; the program's face is embedded.
// Throws Blattfehler, naming the path and the reason, when the file cannot
// be written; the old file then stays as it was. Returns the tasks
// whose graph ended at an invalid operation ("Aufgabe 2: Ungültige
// Gleitkommaoperation."); such a graph keeps what was drawn before. With
// mitLoesungsweg the key says under each answer in one sentence how its
// graph arises from the basic function. The file is written whole or not at
// all: a failure leaves an old file as it was.
QStringList SchreibeArbeitsblatt(const Arbeitsblatt& blatt, const QString& pfad, bool mitLoesungsweg = false);

// The one painter of the worksheet, for the PDF, the print preview and the
// printer: draws the pages on a device set up as A4 portrait without margins
// at Aufloesung, the page's corner as origin. Returns what
// SchreibeArbeitsblatt returns; nothing when the painter cannot start.
std::optional<QStringList> ZeichneArbeitsblatt(const Arbeitsblatt& blatt, QPagedPaintDevice& seiten,
                                               bool mitLoesungsweg = false);

// Sets a printer up for the sheet: A4 portrait, the paper's corner as
// origin, the sheet's heading as the document's name.
void RichteDruckerEin(QPrinter& drucker, const QString& titel);
// Prints the sheet at 100 %, one unit 1 cm, whatever resolution the
// printer's dialog left. Throws Blattfehler when the printer refuses.
QStringList DruckeArbeitsblatt(const Arbeitsblatt& blatt, QPrinter& drucker);
