// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabenzeile.h"

#include "model/zahltext.h"

#include <cstddef>
#include <optional>
#include <utility>

namespace {

constexpr QChar Leerzeichen = QLatin1Char(' ');
constexpr double LinkerRand = -8;
constexpr double RechterRand = 8;
constexpr int HoechstensAbschnitte = 2;

// The value of a parameter whose word is unreadable or missing: the line
// then still gives a graph that can be drawn.
constexpr ParameterSatz Ersatzwerte{{1, 0, 0, 0}};

Meldung hinweis(const char* text) { return {Meldung::Art::Hinweis, QString::fromUtf8(text)}; }

void ueberspringeLeerzeichen(QStringView zeile, qsizetype& i)
{
    while (i < zeile.size() && zeile[i] == Leerzeichen)
        ++i;
}

// The number a text gives, or the fallback, noted for the checker.
template <typename Zahl>
Zahl mitErsatz(std::optional<Zahl> wert, Zahl ersatz, Ersatzwert notiz, Dateiaufgabe& aufgabe)
{
    if (wert)
        return *wert;
    aufgabe.Ersetzt.push_back(std::move(notiz));
    return ersatz;
}

// The file numbers the types from 1. A word that is no integer at all
// counts as 1, the line; a number outside 1..7 names no type, so the task
// can only be skipped.
int typ(const QString& wort, Dateiaufgabe& aufgabe)
{
    const int nummer = mitErsatz(Ganzzahlwert(wort), Gerade + 1, {Ersatzwert::Stelle::Typ, 0, wort}, aufgabe);
    return nummer >= 1 && nummer <= AnzahlTypen ? nummer - 1 : KeinTyp;
}

void liesParameter(QStringView zeile, qsizetype& position, QStringView trenner, Dateiaufgabe& aufgabe)
{
    for (int i = 0; i < AnzahlParameter(aufgabe.Typ); ++i) {
        if (position < 0) {
            aufgabe.Meldungen.push_back(hinweis("Fehler! In der aktuellen Aufgabenzeile fehlen Daten!"));
            return;
        }
        const QString wort = NaechstesWort(zeile, position);
        aufgabe.Parameter[i] =
            mitErsatz(Zahlwert(wort, trenner), Ersatzwerte[i], {Ersatzwert::Stelle::Parameter, i, wort}, aufgabe);
    }
}

// A section bound, or its fallback, the plot edge on its side.
double grenze(QStringView text, QStringView trenner, Ersatzwert::Stelle stelle, int abschnitt, Dateiaufgabe& aufgabe)
{
    const double rand = stelle == Ersatzwert::Stelle::Anfang ? LinkerRand : RechterRand;
    return mitErsatz(Zahlwert(text, trenner), rand, {stelle, abschnitt, text.toString()}, aufgabe);
}

// One section "(start;end)" from the word at the position; false when it is
// malformed. The ";" and the ")" are looked for in the rest of the line, not
// only in the word, so "(-2; 2)" still gives the section -2..2 (its leftover
// "2)" then counts as a malformed second section).
bool liesAbschnitt(QStringView zeile, qsizetype& position, QStringView trenner, Dateiaufgabe& aufgabe)
{
    const QStringView rest = zeile.sliced(position - 1);
    NaechstesWort(zeile, position);
    const qsizetype semikolon = rest.indexOf(QLatin1Char(';'));
    const qsizetype klammer = rest.indexOf(QLatin1Char(')'), semikolon + 1);
    if (!rest.startsWith(QLatin1Char('(')) || semikolon < 2 || klammer < semikolon + 2)
        return false;
    Abschnitte& abschnitte = aufgabe.Abschnitte;
    const int n = abschnitte.Anzahl++;
    const auto i = static_cast<std::size_t>(n);
    abschnitte.Von[i] = grenze(rest.sliced(1, semikolon - 1), trenner, Ersatzwert::Stelle::Anfang, n, aufgabe);
    abschnitte.Bis[i] =
        grenze(rest.sliced(semikolon + 1, klammer - semikolon - 1), trenner, Ersatzwert::Stelle::Ende, n, aufgabe);
    return true;
}

void liesAbschnitte(QStringView zeile, qsizetype& position, QStringView trenner, Dateiaufgabe& aufgabe)
{
    while (position > 0 && aufgabe.Abschnitte.Anzahl < HoechstensAbschnitte) {
        if (!liesAbschnitt(zeile, position, trenner, aufgabe)) {
            aufgabe.Meldungen.push_back(hinweis("Fehler! Bereichswahl in der aktuellen Aufgabenzeile fehlerhaft!"));
            return;
        }
    }
}

} // namespace

QString NaechstesWort(QStringView zeile, qsizetype& position)
{
    qsizetype i = position >= 1 && position <= zeile.size() ? position - 1 : zeile.size();
    ueberspringeLeerzeichen(zeile, i);
    const qsizetype anfang = i;
    while (i < zeile.size() && zeile[i] != Leerzeichen)
        ++i;
    const QString wort = zeile.sliced(anfang, i - anfang).toString();
    ueberspringeLeerzeichen(zeile, i);
    position = i < zeile.size() ? i + 1 : -1;
    return wort;
}

Dateiaufgabe LiesAufgabenzeile(QStringView zeile, QStringView dezimaltrenner)
{
    Dateiaufgabe aufgabe;
    aufgabe.Parameter = Ersatzwerte;
    qsizetype position = 1;
    aufgabe.Typ = typ(NaechstesWort(zeile, position), aufgabe);
    if (aufgabe.Typ == KeinTyp)
        return aufgabe;
    liesParameter(zeile, position, dezimaltrenner, aufgabe);
    liesAbschnitte(zeile, position, dezimaltrenner, aufgabe);
    return aufgabe;
}
