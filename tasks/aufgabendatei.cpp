// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/aufgabendatei.h"

#include "model/zahltext.h"

#include <algorithm>

namespace {

constexpr QChar Leerzeichen = QLatin1Char(' ');

Meldung fehler(const QString& text) { return {Meldung::Art::Fehler, text}; }

Meldung korrektheitsfehler(const char* grund)
{
    return fehler(QStringLiteral("Die ausgewählte Datei ist keine korrekte Aufgaben-Datei (%1).")
                      .arg(QString::fromUtf8(grund)));
}

Dateikopf& mitMeldung(Dateikopf& kopf, const Meldung& meldung)
{
    kopf.Meldungen.push_back(meldung);
    return kopf;
}

// The next content line of the head. Every line of the head must be
// followed by another one: nothing when the file ends after a line.
std::optional<QString> naechsteKopfzeile(Zeilenquelle& zeilen)
{
    for (;;) {
        const QString zeile = zeilen.LiesZeile();
        if (zeilen.AmEnde())
            return std::nullopt;
        if (std::optional<QString> text = Zeileninhalt(zeile))
            return text;
    }
}

// Why a type line word ends reading: it is no integer, it repeats a type, or
// it names none. Nothing when it adds a type.
std::optional<Meldung> typfehler(const QString& wort, std::optional<int> nummer, const std::vector<int>& typen)
{
    if (!nummer)
        return Meldung{Meldung::Art::Lesefehler,
                       QLatin1Char('\'') + wort + QStringLiteral("' ist kein gültiger Integerwert")};
    if (std::ranges::any_of(typen, [&](int t) { return t + 1 == *nummer; }))
        return fehler(QStringLiteral("Fehler in der Aufgabendatei: Funktionstyp ist mehrfach ausgewählt!"));
    if (*nummer < 1 || *nummer > AnzahlTypen)
        return fehler(QStringLiteral("Fehler in der Aufgabendatei: Nummer eines Funktionstyps ist nicht erlaubt!"));
    return std::nullopt;
}

// The type line's words, judged one by one in order; the first fault ends
// reading and keeps the types before it.
void liesTypen(QStringView zeile, Dateikopf& kopf)
{
    qsizetype position = 1;
    while (position > 0) {
        const QString wort = NaechstesWort(zeile, position);
        const std::optional<int> nummer = Ganzzahlwert(wort);
        if (const std::optional<Meldung> meldung = typfehler(wort, nummer, kopf.ErlaubteTypen)) {
            mitMeldung(kopf, *meldung);
            return;
        }
        kopf.ErlaubteTypen.push_back(*nummer - 1);
    }
    kopf.Gelesen = true;
}

Dateikopf liesKopf(Zeilenquelle& zeilen)
{
    Dateikopf kopf;
    if (zeilen.AmEnde())
        return mitMeldung(kopf, fehler(QStringLiteral("Es fehlen Daten in der Aufgaben-Datei.")));
    if (zeilen.LiesZeile() != Kopfzeile())
        return mitMeldung(kopf, korrektheitsfehler("1. Zeile ist unkorrekt"));
    const std::optional<QString> kommentar = naechsteKopfzeile(zeilen);
    if (!kommentar)
        return mitMeldung(kopf, korrektheitsfehler("Kommentar-Daten fehlen"));
    mitMeldung(kopf, {Meldung::Art::Hinweis, *kommentar});
    const std::optional<QString> typen = naechsteKopfzeile(zeilen);
    if (!typen)
        return mitMeldung(kopf, korrektheitsfehler("Verwendete Funktionstypen-Daten fehlen"));
    liesTypen(*typen, kopf);
    return kopf;
}

} // namespace

QString Kopfzeile()
{
    // The "ü" is the byte 0xFC.
    return QStringLiteral("* Aufgabendatei für Programm zum Verschieben und Strecken von Schaubildern von Talvenhorn *");
}

std::optional<QString> Zeileninhalt(const QString& zeile)
{
    if (zeile.startsWith(QLatin1Char('*')))
        return std::nullopt;
    qsizetype i = 0;
    while (i < zeile.size() && zeile[i] == Leerzeichen)
        ++i;
    if (i == zeile.size())
        return std::nullopt;
    return zeile.sliced(i);
}

Aufgabendatei::Aufgabendatei(const QByteArray& inhalt, const QString& dezimaltrenner)
    : m_zeilen(inhalt)
    , m_dezimaltrenner(dezimaltrenner)
    , m_kopf(liesKopf(m_zeilen))
{
    m_kopf.Zeile = m_zeilen.Zeilennummer();
    if (!m_kopf.Gelesen)
        m_zeilen = Zeilenquelle(); // a failed head ends the series before it starts
}

std::optional<Dateiaufgabe> Aufgabendatei::NaechsteAufgabe()
{
    if (const std::optional<QString> zeile = NaechsteAufgabenzeile())
        return LiesAufgabenzeile(*zeile, m_dezimaltrenner);
    return std::nullopt;
}

std::optional<QString> Aufgabendatei::NaechsteAufgabenzeile()
{
    while (!m_zeilen.AmEnde()) {
        if (std::optional<QString> zeile = Zeileninhalt(m_zeilen.LiesZeile()))
            return zeile;
    }
    return std::nullopt;
}
