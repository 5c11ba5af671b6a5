// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/vorschau.h"

#include "model/loesungsweg.h"
#include "tasks/aufgabenreihe.h"

QString Loesungswegzeile(const Reihenaufgabe* aufgabe)
{
    return aufgabe == nullptr ? QString() : BerechneLoesungsweg(aufgabe->Typ, aufgabe->Parameter).Zusammenfassung;
}

std::optional<QString> Vorschau::Zeichne(QImage& bild, const Reihenaufgabe* aufgabe)
{
    m_ebene.Zeichne(bild, m_anzeige);
    if (aufgabe == nullptr)
        return std::nullopt;
    try {
        ZeichneKurve(bild, {aufgabe->Typ, aufgabe->Parameter, aufgabe->Abschnitte, false}, m_anzeige.VorgFarbe,
                     m_anzeige.SchaubildDicke);
    } catch (const Rechenfehler& fehler) {
        return QString::fromUtf8(fehler.what());
    }
    return std::nullopt;
}
