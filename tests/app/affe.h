// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A monkey for the main window: from one seed it sends thousands of random
// events a pupil could send (menu items, radio buttons, the type list, keys
// in the boxes, the buttons, answers to every dialog) and after each one
// checks what must hold whatever happened. The same seed replays the same
// events, so a failure names the seed and the event number.

#include "app/hauptfenster.h"
#include "situation.h"
#include "testhilfe.h"

#include <QTemporaryDir>

#include <cstdint>
#include <deque>
#include <map>
#include <random>
#include <string>

// The program's random source, seeded by the test: the window's own seeding
// from the clock is ignored, so a run can be replayed.
class FesterZufall : public Zufallsgenerator {
public:
    explicit FesterZufall(std::uint32_t saat) { Zufallsgenerator::Saeen(saat); }
    void Saeen(std::uint32_t) override {}
};

// What the user chose in the file dialog.
struct Dateiwahl {
    enum class Art { Abbruch, Datei, Fehlt };
    Art art = Art::Abbruch;
    std::vector<int> typen; // the type line, when the head is sound
    bool gelesen = false;   // the head is sound
    bool aufgaben = false;  // at least one task follows it
    bool typwortFehler = false; // a type line word is no integer
};

// Answers every dialog at random with the monkey's generator, and records
// what it answered during the present event.
class ZufallsDialoge : public AufzeichnendeDialoge {
public:
    ZufallsDialoge(std::mt19937& zufall, const QString& ordner);

    void Auswahl(TAuswahlBox& box) override;
    std::optional<QString> DateiDialog(QWidget* eltern, const QString& filter, const QString& endung) override;
    std::optional<QColor> WaehleFarbe(QWidget* eltern, const QColor& farbe) override;
    void ZeigeModal(QDialog& fenster) override;

    void NeuesEreignis();

    // The types ticked when Ok was pressed in this event; empty when the
    // dialog was cancelled.
    std::optional<std::vector<int>> bestaetigt;
    bool ohneTypBestaetigt = false;
    std::optional<Dateiwahl> datei;

private:
    int wuerfle(int n);

    std::mt19937& m_zufall;
    std::vector<std::pair<QString, Dateiwahl>> m_dateien;
};

// The main window with a record of the drawing passes on its plot: which
// graphs it holds since it was last cleared. A pass that an arithmetic error
// cut short leaves the record unknown until the plot is cleared again.
class BeobachtetesFenster : public TForm1 {
public:
    using TForm1::TForm1;

    void ZeichneKoordinatensystem() override;
    void ZeichneVorgGraph(const Aufgabe& aufgabe) override;
    void ZeichneUserGraph(int Typ) override;

    std::optional<Plotinhalt> Plot() const { return m_unterbrochen ? std::nullopt : std::optional(m_plot); }
    // How many given graphs were drawn in all.
    int VorgPaesse() const { return m_vorgPaesse; }

private:
    Plotinhalt m_plot;
    bool m_unterbrochen = false;
    int m_vorgPaesse = 0;
};

class Affe {
public:
    Affe(std::uint32_t saat, const QString& ordner);

    // Sends up to anzahl events; stops at the first one after which a
    // check failed, and reports the seed and the last events.
    void Lauf(int anzahl);

    int Gesendet() const { return m_nummer; }
    // How many events ended in each situation.
    const std::map<std::string, int>& Besucht() const { return m_besucht; }

    // Ends the program through its menu.
    void Beende();

private:
    enum class Art {
        Zeichnen,
        Uebung,
        Test,
        Datei,
        Option,
        Info,
        Radio,
        Liste,
        Taste,
        Enter,
        BZeichnen,
        BUeberspringen,
        BRichtigNaechste,
        BRichtigFertig,
        Antwort,
    };
    struct Vorher {
        Beobachtung beobachtung;
        std::size_t boxen;
        std::int32_t aufgaben;
        std::int32_t richtig;
        int vorgPaesse;
    };

    int wuerfle(int n);
    bool sende(Art art);
    bool menue(const char* name);
    bool klicke(const char* name);
    bool klickeTyp(QWidget* ziel, int Typ);
    bool tippe();
    bool enter();
    bool antworte();
    void merke(const QString& text);

    Vorher merkeZustand() const;
    Beobachtung beobachte() const;
    void pruefe(Art art, const Vorher& vorher);
    void pruefeSituation(const Beobachtung& b);
    void pruefeUrteil(const Beobachtung& b);
    void pruefeNeueAufgabe(Art art, const Vorher& vorher, const Beobachtung& b);
    void pruefeModus(Art art, const Vorher& vorher, int modus);
    void pruefeZaehler(const Vorher& vorher, const Beobachtung& b);
    void pruefeBalken();
    void pruefeBoxen(Art art, const Vorher& vorher);
    bool boxErlaubt(Art art, const Vorher& vorher, const AufzeichnendeDialoge::Box& box) const;
    void pruefeFenster(bool hauptfenster);
    std::string ort() const;

    std::uint32_t m_saat;
    std::mt19937 m_zufall;
    FesterZufall m_programmzufall;
    ZufallsDialoge m_dialoge;
    BeobachtetesFenster m_form;
    std::vector<int> m_erlaubt; // the types of the series the user started
    bool m_gesperrt = false;    // the event hit a control the user cannot use
    bool m_enterImTest = false;
    int m_nummer = 0;
    std::deque<QString> m_letzte; // the last events, for the report
    std::map<std::string, int> m_besucht;
};
