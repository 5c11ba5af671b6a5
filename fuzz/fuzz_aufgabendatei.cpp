// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabendatei.h"

#include <cstddef>
#include <cstdint>

// A task file of arbitrary bytes, read to its end under both decimal
// separators, as the window reads it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    for (const char* trenner : {",", "."}) {
        Aufgabendatei datei(inhalt, QString::fromLatin1(trenner));
        while (datei.NaechsteAufgabe()) {
        }
    }
    return 0;
}
