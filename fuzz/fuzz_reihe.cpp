// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabenreihe.h"
#include "tasks/zeilenquelle.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Bit for bit, so that a NaN equals itself.
bool gleicheZahlen(const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool gleich(const Aufgabenreihe& a, const Aufgabenreihe& b)
{
    if (a.Kommentar != b.Kommentar || a.ErlaubteTypen != b.ErlaubteTypen || a.KommentarUrtext != b.KommentarUrtext
        || a.TypenUrtext != b.TypenUrtext || a.VorKommentar != b.VorKommentar || a.VorTypen != b.VorTypen
        || a.Schluss != b.Schluss || a.NachDateiende != b.NachDateiende || a.Aufgaben.size() != b.Aufgaben.size())
        return false;
    for (std::size_t i = 0; i < a.Aufgaben.size(); ++i) {
        const Reiheneintrag& x = a.Aufgaben[i];
        const Reiheneintrag& y = b.Aufgaben[i];
        if (x.Bemerkungen != y.Bemerkungen || x.Urtext != y.Urtext || x.Aufgabe.Typ != y.Aufgabe.Typ
            || !gleicheZahlen(x.Aufgabe.Parameter, y.Aufgabe.Parameter)
            || x.Aufgabe.Abschnitte.Anzahl != y.Aufgabe.Abschnitte.Anzahl
            || !gleicheZahlen(x.Aufgabe.Abschnitte.Von, y.Aufgabe.Abschnitte.Von)
            || !gleicheZahlen(x.Aufgabe.Abschnitte.Bis, y.Aufgabe.Abschnitte.Bis))
            return false;
    }
    return true;
}

// The lines after the header line, as the reader splits them.
QStringList zeilen(const QByteArray& bytes)
{
    Zeilenquelle quelle(bytes);
    quelle.LiesZeile();
    QStringList z;
    while (!quelle.AmEnde())
        z << quelle.LiesZeile();
    return z;
}

} // namespace

// Any bytes read as a series and written unchanged: unless the writer
// refuses, they read back as the same series, every line comes back byte
// for byte (the line ends as CR LF, an empty line added where the reader
// needs one), and so does what follows a Ctrl-Z.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const QByteArray eingabe(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    for (const char16_t* trenner : {u",", u"."}) {
        const GeleseneReihe gelesen = LiesAufgabenreihe(eingabe, trenner);
        const std::variant<QByteArray, QString> geschrieben = SchreibeAufgabenreihe(gelesen.Reihe, trenner);
        const QByteArray* bytes = std::get_if<QByteArray>(&geschrieben);
        if (bytes == nullptr)
            continue;
        QStringList vorher = zeilen(eingabe);
        if (gelesen.Reihe.Aufgaben.empty() && gelesen.Reihe.Schluss.isEmpty())
            vorher << QString();
        if (!gleich(LiesAufgabenreihe(*bytes, trenner).Reihe, gelesen.Reihe) || zeilen(*bytes) != vorher
            || AbDateiende(*bytes) != AbDateiende(eingabe))
            std::abort();
    }
    return 0;
}
