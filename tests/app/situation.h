// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The situations the main window can be in, as a pupil sees them: which
// controls are shown and enabled in each one. The table is written down from
// what the program is meant to show, not read from the window, so a window
// that shows something else matches none of its rows.

#include "model/funktion.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// Which graphs the plot holds: the drawing passes since it was last
// cleared.
struct Plotinhalt {
    bool vorg = false;
    bool user = false;
    friend bool operator==(const Plotinhalt&, const Plotinhalt&) = default;
};

// What the window shows at one moment, read off its controls.
struct Beobachtung {
    int modus = 0; // the form of work the run is in
    bool bitteAufgabe = false;  // "Bitte eine Aufgabenform wählen!"
    bool ebene = false;         // the plot
    bool bitteFunktion = false; // "Bitte Funktionstyp in der Liste links auswählen!"
    std::array<bool, AnzahlTypen> knopfAktiv{};
    std::array<bool, AnzahlTypen> knopfGewaehlt{};
    std::array<bool, AnzahlTypen> listeKlickbar{};
    std::array<bool, AnzahlTypen> eingabeSichtbar{}; // the equation with the boxes
    std::array<bool, AnzahlTypen> anzeigeSichtbar{}; // the equation with the values
    bool zeichnenAktiv = false;
    QString zeichnenText;
    bool ueberspringenSichtbar = false;
    bool ueberspringenAktiv = false;
    bool urteilSichtbar = false;
    QString urteilText;
    bool aufgabenMenue = false;
    bool testErgebnis = false;
    // Nothing where a pass was cut short by an arithmetic error.
    std::optional<Plotinhalt> plot;
    // The task names one of the seven types; a task file may name another
    // number, and then there is no given graph.
    bool vorgGegeben = true;

    friend bool operator==(const Beobachtung&, const Beobachtung&) = default;
};

// The names of the situations whose row the observation fits; the window is
// sound when there is exactly one. erlaubt are the types the pupil may choose
// in the current series (ignored without a task).
std::vector<const char*> PassendeSituationen(const Beobachtung& b, const std::vector<int>& erlaubt);

// Why an observation fits no row of its form of work, for the failure
// message: the first field in which each row of that form differs.
QString Abweichungen(const Beobachtung& b, const std::vector<int>& erlaubt);

// The names of all rows.
std::vector<const char*> AlleSituationen();
