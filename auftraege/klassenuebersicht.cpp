// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "auftraege/klassenuebersicht.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

QString anzeigepfad(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

int markenwert(const QString& zeichen)
{
    if (zeichen == QStringLiteral("✓"))
        return 2;
    return zeichen == QStringLiteral("✗") ? 1 : 0;
}

// Digits by their value, so that class 9a comes before 10a.
QCollator deutscheOrdnung()
{
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setNumericMode(true);
    return collator;
}

const QCollator& deutsch()
{
    static const QCollator collator = deutscheOrdnung();
    return collator;
}

} // namespace

void Protokollsammlung::FuegeHinzu(const QStringList& pfade)
{
    for (const QString& pfad : pfade) {
        std::vector<Testprotokoll> gelesen = LiesProtokolle({pfad}, m_abgelehnt);
        if (gelesen.empty())
            continue;
        const QByteArray schluessel = ProtokollXmp(gelesen.front());
        if (const auto frueher = m_herkunft.constFind(schluessel); frueher != m_herkunft.cend()) {
            m_abgelehnt << (*frueher == pfad
                                ? QStringLiteral("„%1“ ist schon in der Übersicht.").arg(anzeigepfad(pfad))
                                : QStringLiteral("„%1“ ist dasselbe Testprotokoll wie „%2“ und zählt nur einmal.")
                                      .arg(anzeigepfad(pfad), anzeigepfad(*frueher)));
            continue;
        }
        m_herkunft.insert(schluessel, pfad);
        m_protokolle.push_back(std::move(gelesen.front()));
    }
}

QStringList Protokollpfade(const QStringList& dateienUndOrdner)
{
    QStringList pfade;
    for (const QString& pfad : dateienUndOrdner) {
        const QDir ordner(pfad);
        if (!QFileInfo(pfad).isDir()) {
            pfade << pfad;
            continue;
        }
        for (const QString& name : ordner.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name | QDir::IgnoreCase))
            pfade << ordner.filePath(name);
    }
    return pfade;
}

bool SortiertVor(const Schuelerzeile& a, const Schuelerzeile& b, int spalte)
{
    switch (spalte) {
    case SpalteName:
        return deutsch().compare(a.Name, b.Name) < 0;
    case SpalteKlasse:
        return deutsch().compare(a.Klasse, b.Klasse) < 0;
    case SpalteAufgaben:
        return a.Summe.Anzahl < b.Summe.Anzahl;
    case SpalteRichtig:
        return a.Summe.Richtig < b.Summe.Richtig;
    case SpalteProzent:
        return a.Summe.Prozent < b.Summe.Prozent;
    default:
        return markenwert(a.Zeichen.value(spalte - ErsteAufgabe)) < markenwert(b.Zeichen.value(spalte - ErsteAufgabe));
    }
}
