// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/pruefauftrag.h"

#include "pruefung/pruefung.h"
#include "tasks/dateiinhalt.h"
#include "tasks/meldung.h"

namespace {

Pruefung pruefe(const QString& pfad, const QLocale& locale)
{
    try {
        return PruefeAufgabendatei(LiesDateiinhalt(pfad), locale);
    } catch (const Lesefehler& fehler) {
        return UnlesbareDatei(fehler.Text());
    }
}

} // namespace

Auftragsergebnis PruefeDateien(const QStringList& pfade, const QLocale& locale)
{
    Auftragsergebnis ergebnis;
    for (const QString& pfad : pfade) {
        const Pruefung pruefung = pruefe(pfad, locale);
        ergebnis.Ausgabe << Pruefbericht(pfad, pruefung);
        if (pruefung.Anzahl(Befund::Art::Fehler) != 0)
            ergebnis.Status = 1;
    }
    return ergebnis;
}
