// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The history of one run: every task of a test or a task file that was
// posed, the answers drawn for it and how it ended. It lives as long as the
// run and is written only when the pupil saves a record of it.

#include "model/abschnitte.h"
#include "model/funktion.h"

#include <QString>
#include <QStringList>

#include <vector>

struct Antwort {
    int Typ = KeinTyp;
    ParameterSatz Parameter;
    bool Richtig = false;

    friend bool operator==(const Antwort&, const Antwort&) = default;
};

struct Protokollaufgabe {
    bool Test = false; // posed in a test; otherwise from a task file
    int Typ = KeinTyp;
    ParameterSatz Parameter;
    ::Abschnitte Abschnitte;
    std::vector<Antwort> Antworten; // in the order they were drawn
    bool Uebersprungen = false;
    bool LoesungswegAngesehen = false; // then an answer drawn after it does not solve the task

    bool ErsterVersuchRichtig() const { return !Antworten.empty() && Antworten.front().Richtig; }
    bool Geloest() const;
    // Neither answered nor skipped yet.
    bool Offen() const { return Antworten.empty() && !Uebersprungen; }
};

// The figures of the test gauge: the tasks it counts, those solved at the
// first attempt and the share in whole percent, truncated.
struct Zusammenfassung {
    int Anzahl = 0;
    int Richtig = 0;
    int Prozent = 0;

    friend bool operator==(const Zusammenfassung&, const Zusammenfassung&) = default;
};

// Counts as the gauge shows it: a task counts once it was judged or
// skipped, and so does every task posed before it, even one left open; the
// open tasks after the last judged or skipped one are not yet shown.
Zusammenfassung Zaehle(const std::vector<Protokollaufgabe>& aufgaben);

// Only the test tasks, which the gauge counts.
std::vector<Protokollaufgabe> Testaufgaben(const std::vector<Protokollaufgabe>& aufgaben);

class Verlauf {
public:
    // A new task; arbeitsform names the test or the task file it belongs to.
    void Gestellt(bool test, const QString& arbeitsform, int Typ, const ParameterSatz& parameter,
                  const ::Abschnitte& abschnitte);
    // An answer judged for the last task posed. The same answer judged again
    // (a display option redraws it) is not a new one.
    void Beantwortet(int Typ, const ParameterSatz& parameter, bool richtig);
    void Uebersprungen();
    // The pupil had the last task's solution shown.
    void LoesungswegAngesehen();

    const std::vector<Protokollaufgabe>& Aufgaben() const { return m_aufgaben; }
    // The tests and task files of the run, in order, each named once in a row.
    const QStringList& Arbeitsformen() const { return m_arbeitsformen; }

private:
    std::vector<Protokollaufgabe> m_aufgaben;
    QStringList m_arbeitsformen;
};
