// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file checker for teachers: it reads a task file with the program's
// own reader and draws each given graph with the screen's own code, and
// reports by line what a class would run into.

#include "tasks/zufallsaufgabe.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// One thing the checker found.
struct Befund {
    // A Fehler: the file would not load, a task would show no graph, or
    // the program would show the pupils a box starting with "Fehler!".
    // A Warnung: what the program takes silently.
    enum class Art { Fehler, Warnung };
    int zeile; // counted from 1; 0 for the file as a whole
    Art art;
    QString text;

    friend bool operator==(const Befund&, const Befund&) = default;
};

struct Pruefung {
    int Aufgaben = 0;            // the task lines the series would serve
    std::vector<Befund> Befunde; // in the order of the file

    int Anzahl(Befund::Art art) const;
};

// Checks a task file held in memory. Numbers are read with the decimal
// separator of the given regional settings, as the program reads them.
Pruefung PruefeAufgabendatei(const QByteArray& inhalt, const QLocale& locale);

// The findings of one task line, exactly as PruefeAufgabendatei reports
// them for that line at that number, for the types of the type line. The
// line's leading blanks are passed over; a remark line or a line of
// blanks gives none.
std::vector<Befund> PruefeAufgabenzeile(QStringView zeile, int zeilennummer, const Typliste& erlaubteTypen,
                                        const QLocale& locale);

// The Warnung that bytes stand after the Ctrl-Z in the line, where the
// program stops reading.
Befund VerborgenerRest(int zeile);

// A file that could not be read at all, for the given reason.
Pruefung UnlesbareDatei(const QString& grund);

// The report for one file as editors understand it: "name:zeile: Fehler:
// text" (or "Warnung"; without ":zeile" for the file as a whole) for each
// finding, then the summary "name: 12 Aufgaben, 2 Fehler, 1 Warnung".
QStringList Pruefbericht(const QString& name, const Pruefung& pruefung);
