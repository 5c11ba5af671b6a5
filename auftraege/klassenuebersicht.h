// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window "Klassenübersicht" adds to the overview job: records
// gathered file by file, each counted once, and the order of its columns.

#include "auftraege/auswertung.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// The records of a class as a teacher hands them in, a few files at a time.
class Protokollsammlung {
public:
    // Reads the files in order. A record already gathered (the same file
    // again, or a copy of it under another name) is passed over with a
    // note; a file that is no record is refused with the reason.
    void FuegeHinzu(const QStringList& pfade);

    const std::vector<Testprotokoll>& Protokolle() const { return m_protokolle; }
    // Every file passed over, with the reason, in the order they came.
    const QStringList& Abgelehnt() const { return m_abgelehnt; }

private:
    std::vector<Testprotokoll> m_protokolle;
    QHash<QByteArray, QString> m_herkunft; // a record's XMP packet → the file it came from
    QStringList m_abgelehnt;
};

// The files to read for what a teacher names, drops or chooses: a file as
// it is, a folder as the PDF files directly in it, by name.
QStringList Protokollpfade(const QStringList& dateienUndOrdner);

// The columns of the overview's table; the tasks follow from ErsteAufgabe.
enum Uebersichtsspalte : int { SpalteName, SpalteKlasse, SpalteAufgaben, SpalteRichtig, SpalteProzent, ErsteAufgabe };

// Whether a comes before b in ascending order of the column: names and
// classes the German way ("Oberle" before "Ölmann"), figures by their
// value, a task by its mark (– before ✗ before ✓).
bool SortiertVor(const Schuelerzeile& a, const Schuelerzeile& b, int spalte);
