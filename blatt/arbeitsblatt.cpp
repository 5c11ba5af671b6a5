// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blatt/arbeitsblatt.h"

#include "tasks/aufgabendatei.h"

Blattfehler::Blattfehler(const QString& text)
    : std::runtime_error(text.toStdString())
    , m_text(text)
{
}

QString Zufallsueberschrift() { return QStringLiteral("Arbeitsblatt: Gib zu jedem Schaubild die Funktionsgleichung an!"); }

Arbeitsblatt BlattAusDatei(const QByteArray& inhalt, const QString& dezimaltrenner)
{
    Aufgabendatei datei(inhalt, dezimaltrenner);
    const Dateikopf& kopf = datei.Kopf();
    if (!kopf.Gelesen)
        throw Blattfehler(kopf.Meldungen.back().text);
    Arbeitsblatt blatt;
    blatt.Ueberschrift = kopf.Meldungen.front().text;
    while (std::optional<Dateiaufgabe> aufgabe = datei.NaechsteAufgabe()) {
        blatt.Aufgaben.push_back({aufgabe->Typ, aufgabe->Parameter, aufgabe->Abschnitte, false});
        for (const Meldung& meldung : aufgabe->Meldungen)
            blatt.Hinweise << QStringLiteral("Aufgabe %1: %2").arg(blatt.Aufgaben.size()).arg(meldung.text);
    }
    if (blatt.Aufgaben.empty())
        throw Blattfehler(QStringLiteral("Die Aufgabendatei enthält keine Aufgabe."));
    return blatt;
}

Arbeitsblatt Zufallsblatt(int anzahl, const Typliste& typen, int grad, Zufall& zufall)
{
    Arbeitsblatt blatt;
    blatt.Ueberschrift = Zufallsueberschrift();
    for (int i = 0; i < anzahl; ++i) {
        const int typ = ZieheTyp(typen, zufall);
        blatt.Aufgaben.push_back({typ, ZieheParameter(typ, grad, zufall), {}, false});
    }
    return blatt;
}
