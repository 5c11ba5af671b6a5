// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/protokoll.h"

#include <cstddef>
#include <cstdint>

namespace {

// The packet of a real record of two tasks, in which the input is spliced.
const QByteArray Paket = ProtokollXmp({QStringLiteral("Jürgen Ölmann"), QStringLiteral("10b"),
                                       QDateTime({2026, 12, 9}, {11, 5}), QStringLiteral("Test"), QStringLiteral("0.1.0"),
                                       {{true, 2, {{1, 2, 1}}, {}, {{2, {{1, 2, 1}}, true}}, false},
                                        {false, 4, {{1, 2, 0, 1}}, {1, {-4, 0}, {1, 0}}, {}, true}}});

} // namespace

// A handed-in record is whatever a pupil sends: arbitrary bytes as a PDF,
// and a real record whose XMP packet is cut at a place the first byte
// chooses and continued with the input. Either gives a record or none,
// without a crash or a hang.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray eingabe(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    LiesProtokoll(eingabe);
    const qsizetype stelle = eingabe.isEmpty() ? 0 : Paket.size() * static_cast<unsigned char>(eingabe[0]) / 256;
    LiesProtokoll("%PDF-1.4\n" + Paket.left(stelle) + eingabe + Paket.mid(stelle + eingabe.size() / 2) + "\n%%EOF\n");
    return 0;
}
