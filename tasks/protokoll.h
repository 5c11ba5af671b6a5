// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A pupil's record of a test or a task file, as the program saves it in a
// PDF: who, when, what, and the history of the tasks. The same data stand in
// the PDF's XMP metadata, so that the program reads its own records back.

#include "tasks/verlauf.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

struct Testprotokoll {
    QString Name;
    QString Klasse;
    QDateTime Zeit;
    QString Arbeitsform; // "Test", or the task file's name and comment
    QString Version;
    std::vector<Protokollaufgabe> Aufgaben;
};

// The XMP packet of the record.
QByteArray ProtokollXmp(const Testprotokoll& protokoll);

// The record in a PDF's bytes, read from its XMP packet; nothing when the
// bytes hold no record of this program or only a damaged one.
std::optional<Testprotokoll> LiesProtokoll(const QByteArray& pdf);

// "Testprotokoll_<Name>_<JJJJ-MM-TT>.pdf": the name without the characters
// a file name cannot hold, and short enough for any file system.
QString Protokolldateiname(const QString& name, QDate datum);
