// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The task series a teacher edits, free of any widget: the series, the
// selected task, every change as a command on Qt's undo stack, and the
// checker's findings, renewed for what a change touched. The editor window
// is a thin view of it.

#include "pruefung/pruefung.h"
#include "tasks/aufgabenreihe.h"

#include <QLocale>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

// What a change touched, so that a view renews only that.
struct Reihenaenderung {
    enum class Art {
        Kopf,     // the comment or the allowed types
        Aufgabe,  // the task at Index: its type, values, sections or remarks
        Struktur, // tasks were added, removed or moved
        Schluss,  // the remark lines after the last task
    };
    Art art;
    int Index = -1;
};

class Reihenbearbeitung {
public:
    // Numbers are read and written with the decimal separator of the locale.
    explicit Reihenbearbeitung(const QLocale& locale = QLocale());

    // A new series: no comment, all seven types, no task.
    void Neu();
    // Reads a task file's bytes with the program's own reader. Returns the
    // reader's messages; a faulty head leaves the head fields empty and
    // keeps the task lines.
    std::vector<Meldung> Oeffne(const QByteArray& inhalt);
    // The bytes of the task file, or the writer's sentence why it cannot be
    // written.
    std::variant<QByteArray, QString> Bytes() const;
    // The series as it stands is the one on disk.
    void Gespeichert() { m_stapel.setClean(); }
    // The series just opened is one a crash left unsaved: it stays changed
    // until saved, even when every step is undone.
    void Wiederhergestellt() { m_stapel.resetClean(); }
    bool Geaendert() const { return !m_stapel.isClean(); }

    const Aufgabenreihe& Reihe() const { return m_reihe; }
    int Anzahl() const { return static_cast<int>(m_reihe.Aufgaben.size()); }
    // The selected place: a task, or Anzahl() for the end of the series,
    // which holds the remark lines after the last task; -1 for none.
    int Auswahl() const { return m_auswahl; }
    void Waehle(int index);
    bool AmEnde() const { return m_auswahl == Anzahl(); }
    // The selected task; nothing at the end or without a selection.
    const Reihenaufgabe* Gewaehlte() const;
    // The remark lines of the selected place.
    QStringList Bemerkungen() const;
    QUndoStack& Stapel() { return m_stapel; }

    // Each change is one step on the undo stack; a keystroke in the same box
    // as the step before merges into it.
    void SetzeKommentar(const QString& kommentar);
    void SetzeTypErlaubt(int Typ, bool erlaubt);
    // The selected task: its type (values reset to the type's basic
    // function), one value, its sections.
    void SetzeTyp(int Typ);
    void SetzeParameter(int i, double wert);
    void SetzeAbschnitte(const Abschnitte& abschnitte);
    // The remark lines of the selected place, task or end.
    void SetzeBemerkungen(const QStringList& bemerkungen);
    // Inserts a task after the selected one (at the start of an empty
    // series, before the end) and selects it.
    void FuegeEin(const Reihenaufgabe& aufgabe);
    // A copy of the selected task; the basic parabola in an empty series.
    void NeueAufgabe();
    void Loesche();
    // Moves the selected task one place up (-1) or down (+1).
    void Verschiebe(int richtung);

    // The findings of the series in the order of the file, each with its
    // line; of the tasks checked so far.
    std::vector<Befund> Befunde() const;
    // Checking 100,000 tasks takes seconds, so a series is checked a step of
    // Pruefschritt tasks at a time: the first step at once when it is opened
    // or its allowed types change, the rest by PruefeWeiter, a step each
    // (the window calls it from its event loop), or by PruefeFertig. A task
    // that changes is checked at once.
    static constexpr int Pruefschritt = 1000;
    int Ungeprueft() const { return m_ungeprueft; }
    void PruefeWeiter();
    void PruefeFertig();
    // The task whose line or remark lines hold the line; -1 for the head.
    int AufgabeInZeile(int zeile) const;

    // Called after every change, undo and redo included.
    std::function<void(const Reihenaenderung&)> Beobachter;

    // For the undo commands.
    struct Kopf {
        QString Kommentar;
        Typliste ErlaubteTypen;
        std::optional<QString> KommentarUrtext, TypenUrtext;
    };
    Kopf LiesKopf() const;
    void SchreibeKopf(const Kopf& kopf);
    void SchreibeEintrag(int index, const Reiheneintrag& eintrag);
    void SchreibeSchluss(const QStringList& schluss);
    void Einfuegen(int index, const Reiheneintrag& eintrag);
    void Entfernen(int index);
    // Swaps the tasks at index and index + 1 and selects auswahl.
    void Tausche(int index, int auswahl);

private:
    void aendereGewaehlte(int feld, const std::function<void(Reiheneintrag&)>& aenderung);
    void pruefeKopf();
    void pruefeAufgabe(int index);
    void pruefeAlle();
    int typzeile() const;
    void melde(Reihenaenderung::Art art, int index);

    QLocale m_locale;
    Aufgabenreihe m_reihe;
    int m_auswahl = -1;
    QUndoStack m_stapel;
    std::vector<Befund> m_kopfbefunde;                  // with their lines
    // By task, lines filled in when asked; nothing while unchecked.
    std::vector<std::optional<std::vector<Befund>>> m_aufgabenbefunde;
    int m_ungeprueft = 0;
    std::size_t m_weiter = 0; // where PruefeWeiter looks for the next unchecked task
};

// The question before saving a series with a Fehler, naming the Fehler
// with their lines (the first three and how many more when there are over
// four); nothing when the findings hold no Fehler.
std::optional<QString> Speicherfrage(const std::vector<Befund>& befunde);
