// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/protokolldruck.h"

#include "model/funktionstext.h"

#include <QLocale>

namespace {

QString gleichung(const Antwort& a) { return Loesungstext(a.Typ, a.Parameter); }

QString ersteAntwort(const Protokollaufgabe& a)
{
    return a.Antworten.empty() ? QStringLiteral("–") : gleichung(a.Antworten.front());
}

QString letzteAntwort(const Protokollaufgabe& a)
{
    if (a.Uebersprungen)
        return QStringLiteral("übersprungen");
    return a.Antworten.empty() ? QStringLiteral("offen") : gleichung(a.Antworten.back());
}

QString ausgang(const Protokollaufgabe& a)
{
    return a.LoesungswegAngesehen ? letzteAntwort(a) + QStringLiteral(" – Lösungsweg angesehen") : letzteAntwort(a);
}

QStringList summe(const std::vector<Protokollaufgabe>& aufgaben)
{
    const std::vector<Protokollaufgabe> test = Testaufgaben(aufgaben);
    if (test.empty())
        return {};
    const Zusammenfassung z = Zaehle(test);
    return {QStringLiteral("Anzahl der Aufgaben: %1").arg(z.Anzahl),
            QStringLiteral("beim ersten Versuch richtig: %1 (%2 %)").arg(z.Richtig).arg(z.Prozent)};
}

} // namespace

QString Versuchszeichen(const Protokollaufgabe& a)
{
    if (a.Offen())
        return QStringLiteral("–");
    return a.ErsterVersuchRichtig() ? QStringLiteral("✓") : QStringLiteral("✗");
}

Tabelle Aufgabentabelle(const std::vector<Protokollaufgabe>& aufgaben)
{
    Tabelle t{{}, {12, 58, 50, 50, 10}, {QStringLiteral("Nr."), QStringLiteral("vorgegeben"), QStringLiteral("erste Antwort"),
                                        QStringLiteral("letzte Antwort"), QStringLiteral("1. V.")}, {}};
    for (std::size_t i = 0; i < aufgaben.size(); ++i) {
        const Protokollaufgabe& a = aufgaben[i];
        t.Zeilen.push_back({QString::number(i + 1), Loesungstext(a.Typ, a.Parameter), ersteAntwort(a), ausgang(a),
                            Versuchszeichen(a)});
    }
    return t;
}

QStringList Protokollkopf(const Testprotokoll& p)
{
    const QLocale deutsch(QLocale::German);
    QStringList zeilen{QStringLiteral("Name: ") + p.Name};
    if (!p.Klasse.isEmpty())
        zeilen << QStringLiteral("Klasse: ") + p.Klasse;
    zeilen << QStringLiteral("Datum: ") + deutsch.toString(p.Zeit, QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'"))
           << QStringLiteral("Arbeitsform: ") + p.Arbeitsform
           << QStringLiteral("Programm: Kurvix ") + p.Version
           << QStringLiteral("1. V.: beim ersten Versuch richtig (✓) oder nicht (✗); – noch offen");
    return zeilen;
}

QByteArray ProtokollPdf(const Testprotokoll& protokoll)
{
    Tabellenblatt blatt;
    blatt.Titel = QStringLiteral("Testprotokoll");
    blatt.Kopfzeilen = Protokollkopf(protokoll);
    blatt.Tabellen = {Aufgabentabelle(protokoll.Aufgaben)};
    blatt.Schlusszeilen = summe(protokoll.Aufgaben);
    blatt.Xmp = ProtokollXmp(protokoll);
    return Tabellenpdf(blatt);
}
