// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A task series as the program holds it to write a task file, and as a task
// file reads into one: the comment, the allowed types, and the tasks with
// the remark lines that stand before each of them.

#include "model/abschnitte.h"
#include "model/funktion.h"
#include "tasks/meldung.h"
#include "tasks/zufallsaufgabe.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <variant>
#include <vector>

// One given function of a series.
struct Reihenaufgabe {
    int Typ = KeinTyp;       // 0..6
    ParameterSatz Parameter; // P1..Pn of the type; the rest 0
    ::Abschnitte Abschnitte; // Anzahl 0: the whole graph
};

// A task and the lines before it that are no task: remark lines (a "*" as
// the very first character) and empty lines, each without its line end.
struct Reiheneintrag {
    QStringList Bemerkungen;
    Reihenaufgabe Aufgabe;
    // The task line as it stood in the file it was read from, without its
    // line end. While it is set, the writer writes it as it stands; whoever
    // changes Aufgabe clears it.
    std::optional<QString> Urtext;
};

struct Aufgabenreihe {
    QString Kommentar;      // what the pupils see when the file opens
    Typliste ErlaubteTypen; // 0..6, each at most once, in this order
    std::vector<Reiheneintrag> Aufgaben;

    // Remark and empty lines before the comment, before the type line and
    // after the last task.
    QStringList VorKommentar, VorTypen, Schluss;
    // The comment and type lines as read, written as they stand while set;
    // whoever changes Kommentar or ErlaubteTypen clears the matching one.
    std::optional<QString> KommentarUrtext, TypenUrtext;
    // The Ctrl-Z that ended the file read and the bytes after it, which the
    // program never reads; written back after the last line as they stood,
    // so that saving loses nothing a teacher wrote there.
    QByteArray NachDateiende;
};

// Why a line cannot stand in a task file as it is: "enthält das Zeichen
// „✓“ (U+2713), das eine Aufgabendatei (Windows-1252) nicht aufnehmen
// kann." for its first character Windows-1252 cannot hold, or the like
// for a line end or a Ctrl-Z; nothing when the line can be written.
std::optional<QString> Zeilenfehler(QStringView zeile);

// The bytes of a task file for a series: the header line, CR LF after every
// line, Windows-1252. Numbers are written with the given decimal separator,
// as the shortest text that reads back as the same double. Instead of the
// bytes, a German sentence when the series cannot be written as it is (a
// character of the comment or a remark that Windows-1252 cannot hold, named
// in the sentence; a comment the reader would not take as one).
std::variant<QByteArray, QString> SchreibeAufgabenreihe(const Aufgabenreihe& reihe, QStringView dezimaltrenner);

// A task file read into a series with the program's own reader, keeping
// every line as it stood (the Urtext fields set). Meldungen are the
// reader's messages in file order. A file whose head is faulty gives empty
// head fields, the reader's message, and its task lines all the same.
struct GeleseneReihe {
    Aufgabenreihe Reihe;
    std::vector<Meldung> Meldungen;
    bool KopfGelesen = false;
};
GeleseneReihe LiesAufgabenreihe(const QByteArray& inhalt, QStringView dezimaltrenner);
