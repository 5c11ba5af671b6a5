// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worksheet of a task file or of random tasks, written as a PDF, and
// the random tasks written as a task file instead.

#include "auftraege/ergebnis.h"
#include "tasks/aufgabenreihe.h"
#include "tasks/zufallsaufgabe.h"

#include <QString>

#include <cstdint>
#include <optional>

struct Blattauftrag {
    QString Datei;  // the task file; empty for random tasks
    int Anzahl = 0; // random tasks
    Typliste Typen; // 0..6
    int Stufe = Normal;
    std::optional<std::uint32_t> Saat;
    QString Ausgabe; // the PDF to write, or the task file with Reihe
    bool Reihe = false; // random tasks to a task file instead of a sheet
    bool Loesungsweg = false; // the key says how each graph arises from its basic function

    friend bool operator==(const Blattauftrag&, const Blattauftrag&) = default;
};

// Where a sheet of random tasks goes without -o: into the current folder.
QString Zufallsblattdatei();
// Where a task file of random tasks goes without -o.
QString Zufallsreihendatei();

// Writes the worksheet; the bundled face must be registered. Status 0 when
// the PDF was written (notes on single tasks in Meldungen), 1 when the task
// file cannot be read, its head is faulty or the PDF cannot be written. A
// random sheet without a seed gets one by chance; the output names it.
Auftragsergebnis ErstelleArbeitsblatt(Blattauftrag auftrag);

// The random tasks of a job as a series, drawn as the worksheet with the
// same seed draws them: the exercise's comment, the type line of the chosen
// types, one task per line. The job must name its seed.
Aufgabenreihe Zufallsreihe(const Blattauftrag& auftrag);

// Writes the random tasks of the job as a task file, numbers with the
// decimal separator of the regional settings. Status 0 when the file was
// written, 1 when it could not be. Seeds as ErstelleArbeitsblatt does.
Auftragsergebnis SchreibeZufallsreihe(Blattauftrag auftrag);
