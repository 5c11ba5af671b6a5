// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The options of the worksheet and of "--reihe" on the command line, read
// into a job (auftraege/blattauftrag).

#include "auftraege/blattauftrag.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>

#include <variant>

class QCommandLineParser;

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
