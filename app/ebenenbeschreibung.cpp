// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ebenenbeschreibung.h"

#include "model/funktion.h"
#include "model/funktionstext.h"

#include <array>

QString Ebenenbeschreibung(Modus modus, int VorgTyp)
{
    static const std::array<const char*, 5> Modi = {
        "Keine Aufgabenform gewählt", "Einfaches Zeichnen von Schaubildern", "Aufgabendatei", "Übung", "Test"};
    const QString name = QString::fromUtf8(Modi.at(static_cast<std::size_t>(modus)));
    if (modus == Modus::KeineAufgabe)
        return name + QLatin1Char('.');
    // The same rule as the drawing: only a task has a given graph.
    if (modus < Modus::Datei || !IstTyp(VorgTyp))
        return name + QStringLiteral(": kein vorgegebenes Schaubild.");
    return name + QStringLiteral(": vorgegeben ist eine ") + Typname(VorgTyp) + QLatin1Char('.');
}
