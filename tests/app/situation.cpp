// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "situation.h"

#include <algorithm>

namespace {

enum class Knopf { Verborgen, Aktiv, Inaktiv };
enum class Graph { Nein, Ja, Egal };

// One row: the forms of work it occurs in and the state of each control
// that tells the situations apart. A caption of nullptr may be any caption.
struct Situation {
    const char* name;
    std::vector<int> modi;
    bool bitteFunktion;
    bool typGewaehlt;
    bool zeichnenAktiv;
    const char* zeichnenText;
    Knopf ueberspringen;
    const char* urteil; // nullptr: no verdict panel
    bool aufgabenMenue;
    Graph vorg; // what the plot shows
    Graph user;
};

const char* const Zeichnen = "Schaubild zeichnen";
const char* const NeuZeichnen = "Schaubild neu zeichnen";
const char* const EinVersuch = "OK        (nur ein Versuch!)";
const char* const Weitere = "Ok (Weitere Versuche)";
const char* const Richtig = "richtig!";
const char* const Falsch = "falsch!";

// Choosing a type again after a verdict keeps the verdict panel but enables
// the draw button: those rows carry the name of the verdict they keep. A
// display option in T2 draws the given graph alone, as before the answer
// was submitted.
const Situation Situationen[] = {
    {"N", {0}, false, false, false, nullptr, Knopf::Verborgen, nullptr, true, Graph::Egal, Graph::Egal},
    {"D0", {1}, true, false, false, nullptr, Knopf::Verborgen, nullptr, true, Graph::Nein, Graph::Nein},
    {"D1", {1}, false, true, true, Zeichnen, Knopf::Verborgen, nullptr, true, Graph::Nein, Graph::Nein},
    {"D2", {1}, false, true, true, NeuZeichnen, Knopf::Verborgen, nullptr, true, Graph::Nein, Graph::Ja},
    {"A0", {2, 3}, true, false, false, nullptr, Knopf::Aktiv, nullptr, true, Graph::Ja, Graph::Nein},
    {"A1", {2, 3}, false, true, true, Zeichnen, Knopf::Aktiv, nullptr, true, Graph::Ja, Graph::Nein},
    {"A2", {2, 3}, false, true, true, NeuZeichnen, Knopf::Aktiv, nullptr, true, Graph::Ja, Graph::Ja},
    {"A3", {2, 3}, false, true, false, nullptr, Knopf::Inaktiv, Richtig, false, Graph::Ja, Graph::Ja},
    {"A3 Typ neu gewählt", {2, 3}, false, true, true, Zeichnen, Knopf::Inaktiv, Richtig, false, Graph::Ja, Graph::Nein},
    {"A3 neu gezeichnet", {2, 3}, false, true, true, NeuZeichnen, Knopf::Inaktiv, Richtig, false, Graph::Ja, Graph::Ja},
    {"T0", {4}, true, false, false, EinVersuch, Knopf::Aktiv, nullptr, true, Graph::Ja, Graph::Nein},
    {"T1", {4}, false, true, true, EinVersuch, Knopf::Aktiv, nullptr, true, Graph::Ja, Graph::Nein},
    {"T2", {4}, false, true, true, Weitere, Knopf::Inaktiv, Falsch, false, Graph::Ja, Graph::Egal},
    {"T2 Typ neu gewählt", {4}, false, true, true, EinVersuch, Knopf::Inaktiv, Falsch, false, Graph::Ja, Graph::Nein},
    {"T3", {4}, false, true, false, nullptr, Knopf::Inaktiv, Richtig, false, Graph::Ja, Graph::Ja},
    {"T3 Typ neu gewählt", {4}, false, true, true, EinVersuch, Knopf::Inaktiv, Richtig, false, Graph::Ja, Graph::Nein},
};

bool passt(Graph soll, bool ist) { return soll == Graph::Egal || ist == (soll == Graph::Ja); }

bool enthaelt(const std::vector<int>& liste, int wert) { return std::ranges::find(liste, wert) != liste.end(); }

// The type list: nothing selectable without a task, every type in simple
// drawing, the allowed ones in a series; radio button and list entry alike.
std::optional<QString> pruefeListe(const Beobachtung& b, const std::vector<int>& erlaubt)
{
    for (int Typ = 0; Typ < AnzahlTypen; ++Typ) {
        const auto t = static_cast<std::size_t>(Typ);
        const bool waehlbar = b.modus == 1 || (b.modus > 1 && enthaelt(erlaubt, Typ));
        if (b.knopfAktiv[t] != waehlbar || b.listeKlickbar[t] != waehlbar)
            return QStringLiteral("Typ %1 wählbar: Knopf %2, Liste %3, erwartet %4")
                .arg(Typ)
                .arg(b.knopfAktiv[t])
                .arg(b.listeKlickbar[t])
                .arg(waehlbar);
    }
    return std::nullopt;
}

// Either one selectable type is chosen, its radio button selected and its
// equations shown, or none at all.
std::optional<QString> pruefeGewaehlt(const Beobachtung& b, bool typGewaehlt)
{
    const auto gewaehlt = std::ranges::count(b.knopfGewaehlt, true);
    const auto gleichungen = std::ranges::count(b.eingabeSichtbar, true);
    const long erwartet = typGewaehlt ? 1 : 0;
    const bool waehlbar = std::ranges::equal(b.knopfGewaehlt, b.knopfAktiv, [](bool g, bool a) { return !g || a; });
    if (gewaehlt != erwartet || gleichungen != erwartet || b.knopfGewaehlt != b.eingabeSichtbar
        || b.anzeigeSichtbar != b.eingabeSichtbar || !waehlbar)
        return QStringLiteral("%1 Knöpfe gewählt, %2 Gleichungen gezeigt, erwartet %3")
            .arg(gewaehlt)
            .arg(gleichungen)
            .arg(erwartet);
    return std::nullopt;
}

std::optional<QString> pruefeKnoepfe(const Beobachtung& b, const Situation& s)
{
    if (b.zeichnenAktiv != s.zeichnenAktiv)
        return QStringLiteral("BZeichnen aktiv: %1").arg(b.zeichnenAktiv);
    if (s.zeichnenText && b.zeichnenText != QString::fromUtf8(s.zeichnenText))
        return QStringLiteral("BZeichnen: \"%1\"").arg(b.zeichnenText);
    const bool sichtbar = s.ueberspringen != Knopf::Verborgen;
    if (b.ueberspringenSichtbar != sichtbar || (sichtbar && b.ueberspringenAktiv != (s.ueberspringen == Knopf::Aktiv)))
        return QStringLiteral("BUeberspringen sichtbar %1, aktiv %2").arg(b.ueberspringenSichtbar).arg(b.ueberspringenAktiv);
    return std::nullopt;
}

// The first control in which the observation differs from the row.
std::optional<QString> abweichung(const Beobachtung& b, const Situation& s, const std::vector<int>& erlaubt)
{
    const bool ohneAufgabe = b.modus == 0;
    if (b.bitteAufgabe != ohneAufgabe || b.ebene == ohneAufgabe)
        return QStringLiteral("Bitte-Aufgabe %1, Ebene %2").arg(b.bitteAufgabe).arg(b.ebene);
    if (b.testErgebnis != (b.modus == 4))
        return QStringLiteral("Testergebnis %1").arg(b.testErgebnis);
    if (b.bitteFunktion != s.bitteFunktion)
        return QStringLiteral("Bitte-Funktion %1").arg(b.bitteFunktion);
    if (auto fehler = pruefeListe(b, erlaubt))
        return fehler;
    if (auto fehler = pruefeGewaehlt(b, s.typGewaehlt))
        return fehler;
    if (auto fehler = pruefeKnoepfe(b, s))
        return fehler;
    const QString urteil = s.urteil ? QString::fromUtf8(s.urteil) : QString();
    if (b.urteilSichtbar != (s.urteil != nullptr) || (s.urteil && b.urteilText != urteil))
        return QStringLiteral("Urteil %1 \"%2\"").arg(b.urteilSichtbar).arg(b.urteilText);
    if (b.aufgabenMenue != s.aufgabenMenue)
        return QStringLiteral("Menü Aufgaben %1").arg(b.aufgabenMenue);
    const Graph vorg = b.vorgGegeben ? s.vorg : Graph::Nein;
    if (b.plot && !(passt(vorg, b.plot->vorg) && passt(s.user, b.plot->user)))
        return QStringLiteral("Plot: vorgegeben %1, eigenes %2").arg(b.plot->vorg).arg(b.plot->user);
    return std::nullopt;
}

} // namespace

std::vector<const char*> PassendeSituationen(const Beobachtung& b, const std::vector<int>& erlaubt)
{
    std::vector<const char*> namen;
    for (const Situation& s : Situationen) {
        if (enthaelt(s.modi, b.modus) && !abweichung(b, s, erlaubt))
            namen.push_back(s.name);
    }
    return namen;
}

QString Abweichungen(const Beobachtung& b, const std::vector<int>& erlaubt)
{
    QString text = QStringLiteral("Modus %1:").arg(b.modus);
    for (const Situation& s : Situationen) {
        if (enthaelt(s.modi, b.modus))
            text += QStringLiteral(" [%1: %2]").arg(QString::fromUtf8(s.name), abweichung(b, s, erlaubt).value_or(QString()));
    }
    return text;
}

std::vector<const char*> AlleSituationen()
{
    std::vector<const char*> namen;
    for (const Situation& s : Situationen)
        namen.push_back(s.name);
    return namen;
}
