// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "auftraege/ergebnis.h"

#include <QLocale>

// "kurvix --pruefe": checks the task files at the given paths one after
// another, with the decimal separator of locale, and gives each report as
// lines of Ausgabe. A file that cannot be read is one error, and the next
// file is checked all the same. Status 0 when every file would load and
// every task would show a graph, 1 otherwise.
Auftragsergebnis PruefeDateien(const QStringList& pfade, const QLocale& locale = QLocale());
