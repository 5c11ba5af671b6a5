// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <stdexcept>
#include <vector>

// What reading a task file has to tell the user, in the order it happened.
struct Meldung {
    enum class Art {
        Hinweis,    // a plain box captioned "Aufgabendatei einlesen"
        Fehler,     // an error box titled "Fehler"
        Lesefehler, // ends the handler and goes to the program's error report
    };
    Art art;
    QString text;

    friend bool operator==(const Meldung&, const Meldung&) = default;
};

// A task file that cannot be read, or a type line word that is no integer.
// Like every error that leaves a handler it ends that event's work, and the
// program's error report shows its text with an error icon.
class Lesefehler : public std::runtime_error {
public:
    explicit Lesefehler(const QString& text);
    const QString& Text() const { return m_text; }

private:
    QString m_text; // what() would end at a NUL byte of a word from the file
};
