// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "blatt/tabellendruck.h"
#include "tasks/protokoll.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The record as an A4 PDF: the heading "Testprotokoll", who and when, the
// form of work and the program's version; one row per task with the given
// function, the first and the last answer written as the value equations
// beside the edit boxes are, and whether the first attempt was right; for
// a test, the figures of the gauge. The record itself stands in the XMP
// metadata. Throws Blattfehler when the PDF cannot be made.
QByteArray ProtokollPdf(const Testprotokoll& protokoll);

// ✓ right at the first attempt, ✗ wrong or skipped, – still open.
QString Versuchszeichen(const Protokollaufgabe& aufgabe);

// The pieces of the record's first page, for a window that shows the
// record as the PDF does: who, when and what; the table of the tasks.
QStringList Protokollkopf(const Testprotokoll& protokoll);
Tabelle Aufgabentabelle(const std::vector<Protokollaufgabe>& aufgaben);
