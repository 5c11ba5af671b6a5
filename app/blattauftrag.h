// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The worksheet on the command line: "--arbeitsblatt" with a task file or
// "--zufall N" and its options, read into a job, and the job that writes
// the PDF without opening a window. "--reihe" takes the same random
// options and writes the tasks as a task file instead.

#include "tasks/aufgabenreihe.h"
#include "tasks/zufallsaufgabe.h"

#include <QCommandLineOption>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

class QCommandLineParser;

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

// The options of the worksheet, added to the program's parser.
class Blattoptionen {
public:
    explicit Blattoptionen(QCommandLineParser& parser);

    // Whether the call asks for a worksheet or names one of its options.
    bool Gefragt(const QCommandLineParser& parser) const;
    // The same without -o, which the class overview shares.
    bool OhneAusgabeGefragt(const QCommandLineParser& parser) const;
    QString Ausgabe(const QCommandLineParser& parser) const;

    // The job, or why the call is wrong (a German sentence). dateien are
    // the positional arguments.
    std::variant<Blattauftrag, QString> Lies(const QCommandLineParser& parser, const QStringList& dateien) const;

private:
    QCommandLineOption m_blatt, m_reihe, m_ausgabe, m_zufall, m_typen, m_stufe, m_saat, m_loesungsweg;
};

// Writes the worksheet under a QGuiApplication on the offscreen platform:
// no display is needed. Returns the exit status: 0 when the PDF was
// written (notes on single tasks go to the error output), 1 when the task
// file cannot be read, its head is faulty or the PDF cannot be written.
// A random sheet without a seed gets one by chance; the output names it.
int ErstelleArbeitsblatt(int argc, char* argv[], Blattauftrag auftrag);

// The random tasks of a job as a series, drawn as the worksheet with the
// same seed draws them: the exercise's comment, the type line of the chosen
// types, one task per line. The job must name its seed.
Aufgabenreihe Zufallsreihe(const Blattauftrag& auftrag);

// Writes the random tasks of the job as a task file, numbers with the
// decimal separator of the regional settings. Returns the exit status: 0
// when the file was written, 1 when it could not be. Seeds as
// ErstelleArbeitsblatt does.
int SchreibeZufallsreihe(Blattauftrag auftrag);
