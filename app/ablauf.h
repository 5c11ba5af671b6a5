// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The run of the program, free of any widget: the form of work, the task,
// the pupil's choice of type, the judging of answers and the test counters.
// Each event of the window is one member function; afterwards the window
// reads Zustand() and shows it. What needs the window's hands (drawing, the
// equation panels, modal boxes) goes through AblaufUmgebung.

#include "model/funktion.h"
#include "model/loesungsweg.h"
#include "plot/abtastung.h"
#include "tasks/aufgabendatei.h"
#include "tasks/verlauf.h"
#include "tasks/zufallsaufgabe.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class Zufall;

enum class Modus : std::uint8_t {
    KeineAufgabe = 0,
    Zeichnen = 1, // simple drawing, no given function
    Datei = 2,    // tasks from a task file
    Uebung = 3,   // random tasks, any number of attempts
    Test = 4,     // random tasks, the first attempt counts
};

// The captions of the draw button, which tell where the pupil stands.
enum class Knopftext {
    Zeichnen,        // nothing drawn since the type was chosen
    NeuZeichnen,     // drawn at least once
    NurEinVersuch,   // a test answer not yet submitted
    WeitereVersuche, // a test answer was wrong and may be corrected
};
QString Beschriftung(Knopftext text);

enum class Urteil { Keines, Richtig, Falsch };

// The given function of the current task.
struct Aufgabe {
    int VorgTyp = KeinTyp;
    ParameterSatz VorgParameter;
    ::Abschnitte Abschnitte; // where a task file shows the given graph
};

// What the selection dialog answers when it is confirmed.
struct Typauswahl {
    Typliste ErlaubteTypen;
    int Grad = Normal;
};

// The helps of the submenu "Hilfen". The first two are no help in a test,
// where they are switched off; the third acts there too, and changes
// neither a verdict nor a count.
enum class Hilfe { SchaubildFolgt, Tipps, GleichesSchaubild };
struct Hilfen {
    bool SchaubildFolgt = false;   // every typed value redraws the own graph, unjudged
    bool Tipps = false;            // tips after a wrong answer
    bool GleichesSchaubild = true; // a notice when a wrong answer draws the given graph
};

// How every control of the window that changes with the run looks; made
// by Ablauf::Zustand, which sets every field.
struct Steuerzustand {
    bool BitteAufgabe;  // "Bitte eine Aufgabenform wählen!" instead of the plot
    bool BitteFunktion; // "Bitte Funktionstyp in der Liste links auswählen!"
    std::array<bool, AnzahlTypen> Waehlbar; // radio button and list entry
    int Gewaehlt; // its radio button selected and its equations shown
    bool ZeichnenAktiv;
    QString ZeichnenText;
    bool UeberspringenSichtbar;
    bool UeberspringenAktiv;
    ::Urteil Urteil; // the verdict panel and its look
    bool AufgabenMenue;
    bool TestErgebnis; // the panel with the test statistics
    bool Balken;       // its gauge
    int Prozent;
    QString AnzahlText;
    ::Hilfen Hilfen;     // the check marks of "Hilfen"
    bool HilfenWaehlbar; // its first two items
    bool LoesungswegWaehlbar; // "Lösungsweg zeigen"
    QString Hinweis;     // a tip or notice after a wrong answer; empty: none
};

// What "Lösungsweg zeigen" shows: the steps toward the graph they explain,
// and the pupil's own graph where it stands beside it.
struct Loesungsschau {
    Kurve Ziel;
    ::Loesungsweg Weg;
    std::optional<Kurve> Eigene;
};

// What the run needs of the window.
class AblaufUmgebung {
public:
    virtual ~AblaufUmgebung() = default;
    // Clears the plot and draws the coordinate plane.
    virtual void ZeichneKoordinatensystem() = 0;
    // Draws a given graph over what the plot shows.
    virtual void ZeichneVorgGraph(const Aufgabe& aufgabe) = 0;
    // Draws the pupil's graph of a type over what the plot shows.
    virtual void ZeichneUserGraph(int Typ) = 0;
    // The pupil's function of a type: what is drawn and judged.
    virtual ParameterSatz UserParameter(int Typ) const = 0;
    // Stores a typed value into the pupil's function and shows it.
    virtual void SetzeUserParameter(int Typ, int i, double wert) = 0;
    // Shows the pupil's values of a type in its value equation.
    virtual void ZeigeUserWerte(int Typ) = 0;
    // Resets a type's equations to its basic function.
    virtual void SetzeTypZurueck(int Typ) = 0;
    // The selection dialog; empty when it was cancelled or left without a type.
    virtual std::optional<Typauswahl> WaehleTypen(bool gradWaehlbar) = 0;
    // The task file at the path read into memory; without a path, the one
    // chosen in the file dialog, and empty when the dialog was cancelled.
    // Throws Lesefehler when the file cannot be read.
    virtual std::optional<Aufgabendatei> OeffneAufgabendatei(const std::optional<QString>& pfad) = 0;
    // The messages of a task file, one box after the other; a Lesefehler
    // among them is thrown.
    virtual void ZeigeMeldungen(const std::vector<Meldung>& meldungen) = 0;
    virtual void Meldung(const QString& titel, const QString& text) = 0;
    // The name of the task file opened last, for the record of the run.
    virtual QString Dateiname() const { return {}; }
};

class Ablauf {
public:
    Ablauf(AblaufUmgebung& umgebung, Zufall& zufall);

    // The events of the window.
    void EinfachesZeichnen();
    void UebungOderTest(Modus modus);
    // Without a path the user chooses the file.
    void DateiEinlesen(const std::optional<QString>& pfad = std::nullopt);
    // A task file held in memory, run exactly as one read from disk; name
    // stands for the file's name in the record of the work.
    void DateiEinlesen(Aufgabendatei datei, const QString& name);
    void TypAngeklickt(int Typ);
    void ZeichnenGeklickt();
    void Eingabetaste();
    void WertGetippt(int i, double wert);
    void Ueberspringen();
    void Naechste();
    void Fertig();
    void AnzeigeGeaendert();
    void HilfeUmgeschaltet(Hilfe hilfe);
    // The solution of the task, or in simple drawing that of the own graph
    // once drawn; nothing in a test or without a graph.
    std::optional<::Loesungsschau> Loesungsschau() const;
    // The solution was shown: its summary becomes the hint, and a task
    // file's record notes it.
    void LoesungswegGezeigt();

    Steuerzustand Zustand() const;

    ::Modus Modus() const { return m_modus; }
    int UserTyp() const { return m_userTyp; }
    const ::Aufgabe& Aufgabe() const { return m_aufgabe; }
    const Typliste& ErlaubteTypen() const { return m_erlaubteTypen; }
    bool ErsterVersuch() const { return m_ersterVersuch; }
    std::int32_t AnzahlAufgaben() const { return m_anzahlAufgaben; }
    std::int32_t AnzahlRichtig() const { return m_anzahlRichtig; }
    // Whether the own graph follows the input, which a test never lets it.
    bool SchaubildFolgt() const { return m_hilfen.SchaubildFolgt && !imTest(); }
    // The tasks of tests and task files posed in this run.
    const ::Verlauf& Verlauf() const { return m_verlauf; }

private:
    bool inAufgabe() const { return m_modus >= Modus::Datei; }
    bool imTest() const { return m_modus == Modus::Test; }
    bool imProtokoll() const { return imTest() || m_modus == Modus::Datei; }
    bool eigenesGezeichnet() const;
    Kurve eigene() const;
    void ZeigeGrundzustand();
    void NeueAufgabe();
    void beginneReihe(std::optional<Aufgabendatei> datei, const QString& name);
    bool stelleDateiaufgabe();
    void stelleZufallsaufgabe();
    void FunktionAuswaehlen(int Typ);
    void ZeichneVorgFunktion();
    void ZeichneUserFunktion();
    void zeichneMitFolgendem();
    void beurteile();
    QString hinweis(const ParameterSatz& user) const;
    void zeigeStatistik();

    AblaufUmgebung& m_umgebung;
    Zufall& m_zufall;

    ::Modus m_modus = Modus::KeineAufgabe;
    int m_userTyp = KeinTyp;
    bool m_typGezeigt = false; // the equations of m_userTyp are shown
    ::Aufgabe m_aufgabe;
    Typliste m_erlaubteTypen;
    std::optional<Aufgabendatei> m_datei; // open while a task file's series runs
    int m_grad = Normal;
    bool m_ersterVersuch = false;
    std::int32_t m_anzahlAufgaben = 0;
    std::int32_t m_anzahlRichtig = 0;

    // The draw button carries state: its caption says whether the pupil
    // asked for a drawing, and in a test its enabled state says that the
    // answer is not yet submitted.
    Knopftext m_knopftext = Knopftext::Zeichnen;
    bool m_zeichnenAktiv = false;
    ::Urteil m_urteil = Urteil::Keines;
    bool m_balken = false;
    int m_prozent = 0;
    std::int32_t m_angezeigteAufgaben = 0;
    ::Hilfen m_hilfen;
    QString m_hinweis;

    ::Verlauf m_verlauf;
    QString m_arbeitsform; // of the task file's series: its name and comment
};
