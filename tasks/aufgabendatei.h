// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tasks/aufgabenzeile.h"
#include "tasks/meldung.h"
#include "tasks/zeilenquelle.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// What the head of a task file gives: the comment to show and the types the
// pupil may choose, or the error that ended reading.
struct Dateikopf {
    bool Gelesen = false;           // the series can start
    std::vector<int> ErlaubteTypen; // 0..6 in the order of the type line;
                                    // after an error, those judged before it
    std::vector<Meldung> Meldungen; // the comment, then an error if any
    int Zeile = 0;                  // where reading of the head stopped: the
                                    // type line, or the line of the error;
                                    // 0 for a file without lines
};

// The first line of every task file, character for character.
QString Kopfzeile();

// A line as the reader takes it: nothing for a remark line (a "*" as the
// very first character) or a line of blanks only, otherwise the line
// without its leading blanks.
std::optional<QString> Zeileninhalt(const QString& zeile);

// A task file held in memory: the header line, the comment line, the line of
// the types used, then one task per line. Remark lines (a "*" as the very
// first character) and empty lines may stand anywhere.
class Aufgabendatei {
public:
    // Reads the head at once. Numbers use the given decimal separator, the
    // one of the regional settings.
    Aufgabendatei(const QByteArray& inhalt, const QString& dezimaltrenner);

    const Dateikopf& Kopf() const { return m_kopf; }

    // The next task line's task in file order; nothing once the series is
    // over, at the end of the file or after an error in the head.
    std::optional<Dateiaufgabe> NaechsteAufgabe();
    // The same, as the text of the task line without its leading blanks.
    std::optional<QString> NaechsteAufgabenzeile();
    // The number of the line NaechsteAufgabe read last, counted from 1.
    int Zeilennummer() const { return m_zeilen.Zeilennummer(); }

private:
    Zeilenquelle m_zeilen;
    QString m_dezimaltrenner;
    Dateikopf m_kopf;
};
