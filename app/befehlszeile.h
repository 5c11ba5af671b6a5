// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line: what one start of the program is to do. Reading it is
// plain code; Starte then runs the job in the kind of application it needs.

#include "app/blattoptionen.h"
#include "auftraege/auswertung.h"

#include <QString>
#include <QStringList>

#include <optional>

struct Auftrag {
    enum class Art {
        Fenster, // the main window, with the task file in Dateien opened if one is named
        Ausgabe, // Text is printed and the program ends with Status: help, version, a wrong call
        Pruefen, // the task files in Dateien are checked and reported, without a window
        Arbeitsblatt, // the worksheet of Blatt is written, without a window
        Reihe, // the random tasks of Blatt are written as a task file
        Bearbeiten, // the series editor, with the task file in Dateien opened if one is named
        Auswertung,   // the class overview of the records in Auswertung, without a window
        Uebersicht,   // the window "Klassenübersicht", with the records and folders in Dateien
    };
    Art art = Art::Fenster;
    QStringList Dateien;
    QString Text;
    int Status = 0; // not 0: a wrong call, and Text goes to the error output
    Blattauftrag Blatt = {};
    std::optional<int> Groesse = {}; // the window's size in percent, when asked for
    Auswertungsauftrag Auswertung = {};
};

// The exit status of a call the program does not understand; 1 is left to
// jobs that find a fault in what they were given.
inline constexpr int FalscherAufruf = 2;

// The sizes --groesse accepts, in percent.
inline constexpr int KleinsteGroesse = 100;
inline constexpr int GroessteGroesse = 300;

// Reads the arguments as QCoreApplication::arguments() gives them, the
// program's own path first. The texts of the standard options are German
// when Qt's German translations were installed before.
Auftrag LiesBefehlszeile(const QStringList& argumente);

class TForm1;

// Opens the task file named on the command line, if any, once the event
// loop runs: then the window is shown, and a file that cannot be read is
// reported through the window's error boundary as from the menu item. For
// the series editor, opens the editor (with the file) instead.
void OeffneBeimStart(TForm1& fenster, const Auftrag& auftrag);

// The whole program: reads the command line under a QCoreApplication, so
// that a job without a window needs no display, and opens a QApplication
// only for the window.
int Starte(int argc, char* argv[]);
