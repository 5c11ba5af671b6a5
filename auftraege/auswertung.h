// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview: the records of a class read back from their PDFs,
// one row per pupil and one column per task, written as CSV for a
// spreadsheet or as a PDF table, without opening a window.

#include "auftraege/ergebnis.h"
#include "blatt/tabellendruck.h"
#include "tasks/protokoll.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

struct Auswertungsauftrag {
    QStringList Dateien; // the records
    QString Ausgabe;     // .pdf gives a PDF table, anything else CSV

    friend bool operator==(const Auswertungsauftrag&, const Auswertungsauftrag&) = default;
};

// Where the overview goes without -o: into the current folder.
QString Auswertungsdatei();

struct Schuelerzeile {
    QString Name;
    QString Klasse;
    Zusammenfassung Summe;
    QStringList Zeichen; // per task: ✓ right at the first attempt, ✗ not, – not reached
    bool Doppelt = false; // another row bears the same name
};

struct Uebersicht {
    std::vector<Schuelerzeile> Zeilen;
    QStringList Anteile; // per task: the share of the pupils who reached it that were right at once
};

// A record of tests is counted as the gauge counts, over its test tasks;
// one of a task file over all its tasks. Names are compared without case
// and surplus blanks, as a teacher would read them.
Uebersicht BaueUebersicht(const std::vector<Testprotokoll>& protokolle);

// The task the smallest share of those who reached it solved at once, the
// first of equals; nothing when no pupil reached a task.
std::optional<qsizetype> SchwersteAufgabe(const Uebersicht& uebersicht);

// UTF-8 with a byte order mark, a header row, ";" between the fields.
QByteArray UebersichtCsv(const Uebersicht& uebersicht);

// A4 landscape; the tasks go into several tables when they are many.
// The PDF and the printer draw the same sheet.
Tabellenblatt UebersichtBlatt(const Uebersicht& uebersicht);
QByteArray UebersichtPdf(const Uebersicht& uebersicht);

// The records among the files; a file that cannot be read or is no record
// of this program adds a warning and is passed over.
std::vector<Testprotokoll> LiesProtokolle(const QStringList& pfade, QStringList& warnungen);

// Writes the overview of the records among the files, each record once;
// the bundled face must be registered for a PDF.
// Status 0 when it was written (warnings in Meldungen), 1 when no record
// was found or the file cannot be written.
Auftragsergebnis ErstelleAuswertung(const Auswertungsauftrag& auftrag);
