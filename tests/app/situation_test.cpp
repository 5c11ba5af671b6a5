// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The table of situations must tell a sound window from a faulty one: each
// sound one fits exactly its own row, and a window with one control wrong
// fits none.

#include "situation.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

const std::vector<int> Erlaubt{Gerade, Parabel2};

enum Sprung { Verborgen, Aktiv, Inaktiv };

// A window as the run should show it: the list of the form of work, one
// type chosen or none (-1), the draw and skip buttons, the verdict, and the
// plot with the given graph in every task and the own one when asked for.
Beobachtung fenster(int modus, int typ, bool zeichnenAktiv, const char* text, Sprung sprung, const char* urteil,
                    bool user = false)
{
    Beobachtung b;
    b.modus = modus;
    b.bitteAufgabe = modus == 0;
    b.ebene = modus != 0;
    b.bitteFunktion = modus != 0 && typ < 0;
    for (int t = 0; t < AnzahlTypen; ++t) {
        const auto i = static_cast<std::size_t>(t);
        const bool waehlbar = modus == 1 || (modus > 1 && (t == Gerade || t == Parabel2));
        b.knopfAktiv[i] = b.listeKlickbar[i] = waehlbar;
        b.knopfGewaehlt[i] = b.eingabeSichtbar[i] = b.anzeigeSichtbar[i] = t == typ;
    }
    b.zeichnenAktiv = zeichnenAktiv;
    b.zeichnenText = QString::fromUtf8(text);
    b.ueberspringenSichtbar = sprung != Verborgen;
    b.ueberspringenAktiv = sprung != Inaktiv;
    b.urteilSichtbar = urteil != nullptr;
    b.urteilText = QString::fromUtf8(urteil ? urteil : "richtig!");
    b.aufgabenMenue = urteil == nullptr;
    b.testErgebnis = modus == 4;
    b.plot = Plotinhalt{modus > 1, user};
    return b;
}

const char* const Z = "Schaubild zeichnen";
const char* const NZ = "Schaubild neu zeichnen";
const char* const OK = "OK        (nur ein Versuch!)";
const char* const WV = "Ok (Weitere Versuche)";

struct Gesund {
    const char* situation;
    Beobachtung b;
};

const Gesund GesundeFenster[] = {
    {"N", fenster(0, -1, false, NZ, Verborgen, nullptr)},
    {"D0", fenster(1, -1, false, Z, Verborgen, nullptr)},
    {"D1", fenster(1, Sinus, true, Z, Verborgen, nullptr)},
    {"D2", fenster(1, Exponential, true, NZ, Verborgen, nullptr, true)},
    {"A0", fenster(3, -1, false, NZ, Aktiv, nullptr)},
    {"A1", fenster(2, Gerade, true, Z, Aktiv, nullptr)},
    {"A2", fenster(3, Parabel2, true, NZ, Aktiv, nullptr, true)},
    {"A3", fenster(2, Parabel2, false, NZ, Inaktiv, "richtig!", true)},
    {"A3 Typ neu gewählt", fenster(3, Gerade, true, Z, Inaktiv, "richtig!")},
    {"A3 neu gezeichnet", fenster(3, Gerade, true, NZ, Inaktiv, "richtig!", true)},
    {"T0", fenster(4, -1, false, OK, Aktiv, nullptr)},
    {"T1", fenster(4, Gerade, true, OK, Aktiv, nullptr)},
    {"T2", fenster(4, Parabel2, true, WV, Inaktiv, "falsch!", true)},
    {"T2", fenster(4, Parabel2, true, WV, Inaktiv, "falsch!")}, // after a display option
    {"T2 Typ neu gewählt", fenster(4, Gerade, true, OK, Inaktiv, "falsch!")},
    {"A0", [] { // a task line with a type number outside 1 to 7
         Beobachtung b = fenster(2, -1, false, Z, Aktiv, nullptr);
         b.vorgGegeben = false;
         b.plot->vorg = false;
         return b;
     }()},
    {"T3", fenster(4, Gerade, false, OK, Inaktiv, "richtig!", true)},
    {"T3 Typ neu gewählt", fenster(4, Parabel2, true, OK, Inaktiv, "richtig!")},
};

TEST(Situation, JedesGesundeFensterPasstGenauZuSeinerZeile)
{
    for (const Gesund& g : GesundeFenster) {
        const std::vector<const char*> passend = PassendeSituationen(g.b, Erlaubt);
        ASSERT_EQ(passend.size(), 1u) << g.situation << ": " << Abweichungen(g.b, Erlaubt).toStdString();
        EXPECT_EQ(std::string(passend.front()), g.situation);
    }
}

struct Fehlerhaft {
    const char* was;
    Beobachtung b;
    std::function<void(Beobachtung&)> fehler;
};

const Fehlerhaft FehlerhafteFenster[] = {
    {"plot shown without a task", fenster(0, -1, false, Z, Verborgen, nullptr), [](Beobachtung& b) { b.ebene = true; }},
    {"request over the plot in a task", fenster(3, -1, false, Z, Aktiv, nullptr),
     [](Beobachtung& b) { b.bitteAufgabe = true; }},
    {"a radio button enabled without a task", fenster(0, -1, false, Z, Verborgen, nullptr),
     [](Beobachtung& b) { b.knopfAktiv[Gerade] = true; }},
    {"list entry clickable, radio button grey", fenster(1, -1, false, Z, Verborgen, nullptr),
     [](Beobachtung& b) { b.knopfAktiv[Betrag] = false; }},
    {"a type outside the series selectable", fenster(3, -1, false, Z, Aktiv, nullptr),
     [](Beobachtung& b) { b.knopfAktiv[Sinus] = b.listeKlickbar[Sinus] = true; }},
    {"a type outside the series chosen", fenster(3, Sinus, true, Z, Aktiv, nullptr), [](Beobachtung&) {}},
    {"value equation without the input equation", fenster(2, Gerade, true, Z, Aktiv, nullptr),
     [](Beobachtung& b) { b.eingabeSichtbar[Gerade] = false; }},
    {"two equations shown", fenster(1, Gerade, true, Z, Verborgen, nullptr),
     [](Beobachtung& b) { b.eingabeSichtbar[Betrag] = b.anzeigeSichtbar[Betrag] = true; }},
    {"radio button selected, equations hidden", fenster(1, -1, false, Z, Verborgen, nullptr),
     [](Beobachtung& b) { b.knopfGewaehlt[Sinus] = true; }},
    {"request to choose beside a chosen type", fenster(3, Gerade, true, Z, Aktiv, nullptr),
     [](Beobachtung& b) { b.bitteFunktion = true; }},
    {"skip button in simple drawing", fenster(1, Gerade, true, Z, Aktiv, nullptr), [](Beobachtung&) {}},
    {"draw button enabled without a type", fenster(1, -1, true, Z, Verborgen, nullptr), [](Beobachtung&) {}},
    {"draw button caption of a test in an exercise", fenster(3, Gerade, true, OK, Aktiv, nullptr), [](Beobachtung&) {}},
    {"exercise caption in a test", fenster(4, Gerade, true, Z, Aktiv, nullptr), [](Beobachtung&) {}},
    {"test without a type, caption of an exercise", fenster(4, -1, false, Z, Aktiv, nullptr), [](Beobachtung&) {}},
    {"wrong verdict in an exercise", fenster(3, Gerade, true, WV, Inaktiv, "falsch!"), [](Beobachtung&) {}},
    {"verdict with the task menu enabled", fenster(2, Gerade, false, NZ, Inaktiv, "richtig!"),
     [](Beobachtung& b) { b.aufgabenMenue = true; }},
    {"verdict with the skip button enabled", fenster(4, Gerade, false, OK, Aktiv, "richtig!"), [](Beobachtung&) {}},
    {"task menu blocked without a verdict", fenster(1, Gerade, true, NZ, Verborgen, nullptr),
     [](Beobachtung& b) { b.aufgabenMenue = false; }},
    {"right answer in a test, verdict says wrong", fenster(4, Gerade, false, OK, Inaktiv, "falsch!"),
     [](Beobachtung&) {}},
    {"test statistics outside a test", fenster(3, -1, false, NZ, Aktiv, nullptr),
     [](Beobachtung& b) { b.testErgebnis = true; }},
    {"test statistics hidden in a test", fenster(4, -1, false, OK, Aktiv, nullptr),
     [](Beobachtung& b) { b.testErgebnis = false; }},
    {"skip button hidden in a test", fenster(4, Gerade, true, OK, Verborgen, nullptr), [](Beobachtung&) {}},
    {"own graph before it was asked for", fenster(1, Gerade, true, Z, Verborgen, nullptr, true), [](Beobachtung&) {}},
    {"given graph in simple drawing", fenster(1, Gerade, true, NZ, Verborgen, nullptr, true),
     [](Beobachtung& b) { b.plot->vorg = true; }},
    {"given graph missing in a task", fenster(2, Gerade, true, Z, Aktiv, nullptr),
     [](Beobachtung& b) { b.plot->vorg = false; }},
    {"a graph for a type number no type has", fenster(2, Gerade, true, Z, Aktiv, nullptr),
     [](Beobachtung& b) { b.vorgGegeben = false; }},
    {"own graph missing beside a right answer", fenster(3, Gerade, false, NZ, Inaktiv, "richtig!"),
     [](Beobachtung&) {}},
    {"own graph left after choosing a type again", fenster(4, Gerade, true, OK, Inaktiv, "richtig!", true),
     [](Beobachtung&) {}},
};

TEST(Situation, EinFalschesSteuerelementPasstZuKeinerZeile)
{
    for (const Fehlerhaft& f : FehlerhafteFenster) {
        Beobachtung b = f.b;
        f.fehler(b);
        const std::vector<const char*> passend = PassendeSituationen(b, Erlaubt);
        EXPECT_TRUE(passend.empty()) << f.was << " fits " << (passend.empty() ? "" : passend.front());
    }
}

} // namespace
