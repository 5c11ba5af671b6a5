// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "plot/abtastung.h"
#include "tasks/zufallsaufgabe.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>
#include <vector>

// What a worksheet holds: the heading of page 1 and the given function of
// every task, in the order they are numbered.
struct Arbeitsblatt {
    QString Ueberschrift;
    std::vector<Kurve> Aufgaben;
    QStringList Hinweise; // what reading the tasks had to say, "Aufgabe 3: ..."
    bool MitLoesungen = true; // the answer key after the tasks
};

// Why no worksheet can be made; the text is German and complete.
class Blattfehler : public std::runtime_error {
public:
    explicit Blattfehler(const QString& text);
    const QString& Text() const { return m_text; }

private:
    QString m_text;
};

// The heading of a sheet of random tasks.
QString Zufallsueberschrift();

// The tasks of a task file held in memory, read as the window reads them:
// the comment line becomes the heading, every task line one task with its
// sections. Throws Blattfehler with the reader's message when the head is
// faulty, and when the file holds no task at all.
Arbeitsblatt BlattAusDatei(const QByteArray& inhalt, const QString& dezimaltrenner);

// anzahl random tasks of the allowed types (0..6) at a difficulty, drawn
// as the exercise draws them.
Arbeitsblatt Zufallsblatt(int anzahl, const Typliste& typen, int grad, Zufall& zufall);
