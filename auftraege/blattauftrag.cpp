// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/blattauftrag.h"

#include "blatt/blattdruck.h"
#include "tasks/dateiinhalt.h"
#include "tasks/meldung.h"
#include "tasks/zufall.h"

#include <QDir>
#include <QLocale>
#include <QRandomGenerator>

#include <limits>

namespace {

Arbeitsblatt zufallsblatt(const Blattauftrag& auftrag)
{
    Zufallsgenerator zufall;
    zufall.Saeen(auftrag.Saat.value());
    return Zufallsblatt(auftrag.Anzahl, auftrag.Typen, auftrag.Stufe, zufall);
}

Arbeitsblatt lies(const Blattauftrag& auftrag)
{
    if (!auftrag.Datei.isEmpty())
        return BlattAusDatei(LiesDateiinhalt(auftrag.Datei), QLocale().decimalPoint());
    return zufallsblatt(auftrag);
}

// Random tasks without a seed get one by chance, named in the output.
Blattauftrag mitSaat(Blattauftrag auftrag)
{
    if (auftrag.Datei.isEmpty() && !auftrag.Saat)
        auftrag.Saat = QRandomGenerator::system()->bounded(std::numeric_limits<int>::max());
    return auftrag;
}

// What the output names besides the file: the seed of a random sheet, so
// that the same sheet can be made again.
QString saatHinweis(const Blattauftrag& auftrag)
{
    return auftrag.Saat ? QStringLiteral(" (Saat %1)").arg(*auftrag.Saat) : QString();
}

} // namespace

QString Zufallsblattdatei() { return QStringLiteral("arbeitsblatt.pdf"); }

QString Zufallsreihendatei() { return QStringLiteral("reihe.sba"); }

Auftragsergebnis ErstelleArbeitsblatt(Blattauftrag auftrag)
{
    auftrag = mitSaat(auftrag);
    try {
        const Arbeitsblatt blatt = lies(auftrag);
        return {{QStringLiteral("Arbeitsblatt geschrieben: ") + QDir::toNativeSeparators(auftrag.Ausgabe)
                 + saatHinweis(auftrag)},
                blatt.Hinweise + SchreibeArbeitsblatt(blatt, auftrag.Ausgabe, auftrag.Loesungsweg),
                0};
    } catch (const Blattfehler& fehler) {
        return {{}, {fehler.Text()}, 1};
    } catch (const Lesefehler& fehler) {
        return {{}, {fehler.Text()}, 1};
    }
}

Aufgabenreihe Zufallsreihe(const Blattauftrag& auftrag)
{
    Aufgabenreihe reihe;
    reihe.Kommentar = QStringLiteral("Übung: Gib zu jedem Schaubild die Funktionsgleichung an!");
    reihe.ErlaubteTypen = auftrag.Typen;
    for (const Kurve& kurve : zufallsblatt(auftrag).Aufgaben)
        reihe.Aufgaben.push_back({{}, {kurve.Typ, kurve.P, {}}, {}});
    return reihe;
}

Auftragsergebnis SchreibeZufallsreihe(Blattauftrag auftrag)
{
    auftrag = mitSaat(auftrag);
    const std::variant<QByteArray, QString> bytes =
        SchreibeAufgabenreihe(Zufallsreihe(auftrag), QLocale().decimalPoint());
    const std::optional<QString> fehler = std::holds_alternative<QString>(bytes)
                                              ? std::get<QString>(bytes)
                                              : SchreibeDateiinhalt(auftrag.Ausgabe, std::get<QByteArray>(bytes));
    if (fehler)
        return {{}, {*fehler}, 1};
    return {{QStringLiteral("Aufgabendatei geschrieben: ") + QDir::toNativeSeparators(auftrag.Ausgabe)
             + saatHinweis(auftrag)},
            {},
            0};
}
