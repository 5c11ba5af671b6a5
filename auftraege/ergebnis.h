// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// What a job gives back instead of printing it: the command line writes
// Ausgabe to the standard output and Meldungen, after the program's name,
// to the error output, and ends with Status; a window shows them.
struct Auftragsergebnis {
    QStringList Ausgabe;
    QStringList Meldungen;
    int Status = 0;
};
