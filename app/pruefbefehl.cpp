// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/pruefbefehl.h"

#include "tasks/dateiinhalt.h"
#include "tasks/meldung.h"
#include "pruefung/pruefung.h"

#include <QLocale>

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

int PruefeDateien(const QStringList& pfade, QTextStream& aus)
{
    const QLocale locale;
    bool fehlerfrei = true;
    for (const QString& pfad : pfade) {
        const Pruefung pruefung = pruefe(pfad, locale);
        for (const QString& zeile : Pruefbericht(pfad, pruefung))
            aus << zeile << '\n';
        fehlerfrei = fehlerfrei && pruefung.Anzahl(Befund::Art::Fehler) == 0;
    }
    aus.flush();
    return fehlerfrei ? 0 : 1;
}
