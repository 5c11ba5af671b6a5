// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/funktion.h"
#include "model/abschnitte.h"
#include "tasks/meldung.h"

#include <QString>
#include <QStringView>

#include <vector>

// A number of a task line that could not be read and took its fallback
// without a message. The program passes over these notes; the file checker
// shows them to the teacher.
struct Ersatzwert {
    enum class Stelle { Typ, Parameter, Anfang, Ende };
    Stelle stelle;
    int nummer; // the parameter 0..3 or the section 0..1; 0 for the type
    QString wort; // the text as it stands in the line

    friend bool operator==(const Ersatzwert&, const Ersatzwert&) = default;
};

// One given function of a task series, as a task line names it.
struct Dateiaufgabe {
    int Typ = KeinTyp;              // KeinTyp when the line names no type 1..7
    ParameterSatz Parameter;        // P1..Pn of the type; the rest unused
    ::Abschnitte Abschnitte;        // where the given graph is shown
    std::vector<Meldung> Meldungen; // plain boxes to show before drawing
    std::vector<Ersatzwert> Ersetzt; // in the order of the line
};

// Splits a line into the words between blanks; a tab is part of a word.
// Position counts from 1. From there blanks are passed over and the run of
// non-blank characters that follows is the word; the position then stands
// on the first character of the next word, or is -1 when none follows. A
// position beyond the line, or -1, gives an empty word.
QString NaechstesWort(QStringView zeile, qsizetype& position);

// Reads a task line, its leading blanks removed: the type number 1..7, the
// type's parameters, then up to two sections "(start;end)". Numbers that
// cannot be read take fallbacks (P1 1, the others 0, a section's bounds the
// plot edges -8 and 8), each noted in Ersetzt; too few parameters and a malformed section each add
// a message, and the task is still set up with what was read.
Dateiaufgabe LiesAufgabenzeile(QStringView zeile, QStringView dezimaltrenner);
