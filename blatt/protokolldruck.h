// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/protokoll.h"

#include <QByteArray>

// The record as an A4 PDF: the heading "Testprotokoll", who and when, the
// form of work and the program's version; one row per task with the given
// function, the first and the last answer written as the value equations
// beside the edit boxes are, and whether the first attempt was right; for
// a test, the figures of the gauge. The record itself stands in the XMP
// metadata. Throws Blattfehler when the PDF cannot be made.
QByteArray ProtokollPdf(const Testprotokoll& protokoll);
