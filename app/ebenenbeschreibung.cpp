#include "app/ebenenbeschreibung.h"

#include "model/funktion.h"
#include "term/vorlesetexte.h"

#include <array>

QString Ebenenbeschreibung(int Modus, int VorgTyp)
{
    static const std::array<const char*, 5> Modi = {
        "Keine Aufgabenform gewählt", "Einfaches Zeichnen von Schaubildern", "Aufgabendatei", "Übung", "Test"};
    const QString modus = QString::fromUtf8(Modi.at(static_cast<std::size_t>(Modus)));
    if (Modus == 0)
        return modus + QLatin1Char('.');
    // The same rule as the drawing: only a task has a given graph.
    if (Modus < 2 || !IstTyp(VorgTyp))
        return modus + QStringLiteral(": kein vorgegebenes Schaubild.");
    return modus + QStringLiteral(": vorgegeben ist eine ") + Typname(VorgTyp) + QLatin1Char('.');
}
