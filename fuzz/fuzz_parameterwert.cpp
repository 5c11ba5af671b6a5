// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/zahltext.h"
#include "term/parametereingabe.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Arbitrary text in a parameter box, as pasted text reaches it: every
// value is finite, and a number that Zahlwert reads is finite too.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    for (const char16_t* trenner : {u",", u"."}) {
        if (!std::isfinite(Parameterwert(text, trenner)))
            std::abort();
        if (const std::optional<double> wert = Zahlwert(text, trenner); wert && !std::isfinite(*wert))
            std::abort();
    }
    Ganzzahlwert(text);
    return 0;
}
