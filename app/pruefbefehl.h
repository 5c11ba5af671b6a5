// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <QTextStream>

// "kurvix --pruefe": checks the task files at the given paths one after
// another, with the regional settings' decimal separator, and writes each
// report to aus. A file that cannot be read is one error, and the next file
// is checked all the same. Gives the exit status: 0 when every file would
// load and every task would show a graph, 1 otherwise.
int PruefeDateien(const QStringList& pfade, QTextStream& aus);
