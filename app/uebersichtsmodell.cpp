// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/uebersichtsmodell.h"

#include "auftraege/klassenuebersicht.h"

#include <QColor>
#include <QFont>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {

const QColor Markierung(0xFF, 0xDD, 0xDD);

QString kopf(int spalte)
{
    switch (spalte) {
    case SpalteName:
        return QStringLiteral("Name");
    case SpalteKlasse:
        return QStringLiteral("Klasse");
    case SpalteAufgaben:
        return QStringLiteral("Aufgaben");
    case SpalteRichtig:
        return QStringLiteral("beim ersten Versuch richtig");
    case SpalteProzent:
        return QStringLiteral("Prozent");
    default:
        return QLocale().toString(spalte - ErsteAufgabe + 1);
    }
}

QString markenwort(const QString& zeichen)
{
    if (zeichen == QStringLiteral("✓"))
        return QStringLiteral("richtig");
    return zeichen == QStringLiteral("✗") ? QStringLiteral("falsch oder übersprungen") : QStringLiteral("nicht erreicht");
}

QString summenfeld(const Schuelerzeile& z, int spalte)
{
    const QLocale region;
    switch (spalte) {
    case SpalteName:
        return z.Doppelt ? QStringLiteral("%1 (doppelt)").arg(z.Name) : z.Name;
    case SpalteKlasse:
        return z.Klasse;
    case SpalteAufgaben:
        return region.toString(z.Summe.Anzahl);
    case SpalteRichtig:
        return region.toString(z.Summe.Richtig);
    default:
        return QStringLiteral("%1 %").arg(region.toString(z.Summe.Prozent));
    }
}

} // namespace

void Uebersichtsmodell::Zeige(Uebersicht uebersicht)
{
    beginResetModel();
    m_uebersicht = std::move(uebersicht);
    m_schwerste = SchwersteAufgabe(m_uebersicht);
    m_reihenfolge.resize(m_uebersicht.Zeilen.size());
    std::iota(m_reihenfolge.begin(), m_reihenfolge.end(), std::size_t{0});
    ordne();
    endResetModel();
}

std::optional<std::size_t> Uebersichtsmodell::Schueler(int zeile) const
{
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= m_reihenfolge.size())
        return std::nullopt;
    return m_reihenfolge[static_cast<std::size_t>(zeile)];
}

int Uebersichtsmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() || m_reihenfolge.empty() ? 0 : static_cast<int>(m_reihenfolge.size()) + 1;
}

int Uebersichtsmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : ErsteAufgabe + static_cast<int>(m_uebersicht.Anteile.size());
}

QString Uebersichtsmodell::text(int zeile, int spalte) const
{
    const qsizetype aufgabe = spalte - ErsteAufgabe;
    if (const std::optional<std::size_t> s = Schueler(zeile)) {
        const Schuelerzeile& z = m_uebersicht.Zeilen[*s];
        return aufgabe < 0 ? summenfeld(z, spalte) : z.Zeichen.value(aufgabe, QStringLiteral("–"));
    }
    if (aufgabe >= 0)
        return m_uebersicht.Anteile.value(aufgabe);
    return spalte == SpalteName ? QStringLiteral("Anteil richtig") : QString();
}

// "Jürgen Ölmann, Aufgabe 3: richtig": the reader hears whose row and
// which column, as a sighted teacher sees them from the edges.
QString Uebersichtsmodell::vorgelesen(int zeile, int spalte) const
{
    const QString name = text(zeile, SpalteName);
    const QString wert = text(zeile, spalte);
    if (spalte == SpalteName)
        return name;
    if (spalte < ErsteAufgabe)
        return QStringLiteral("%1, %2: %3").arg(name, kopf(spalte), wert);
    const QString aufgabe = QStringLiteral("%1, Aufgabe %2: %3").arg(name, kopf(spalte));
    return aufgabe.arg(Schueler(zeile) ? markenwort(wert) : wert);
}

bool Uebersichtsmodell::markiert(int spalte) const { return m_schwerste && spalte - ErsteAufgabe == *m_schwerste; }

QVariant Uebersichtsmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid())
        return {};
    switch (rolle) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::AccessibleTextRole:
        return vorgelesen(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() < SpalteAufgaben ? QVariant() : QVariant(Qt::AlignCenter);
    case Qt::BackgroundRole:
        return markiert(index.column()) ? QVariant(Markierung) : QVariant();
    case Qt::FontRole: {
        QFont fett;
        fett.setBold(true);
        return Schueler(index.row()) ? QVariant() : QVariant(fett);
    }
    default:
        return {};
    }
}

QVariant Uebersichtsmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal)
        return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    const QString schwerste = QStringLiteral("Diese Aufgabe haben die wenigsten beim ersten Versuch gelöst.");
    switch (rolle) {
    case Qt::DisplayRole:
        return markiert(abschnitt) ? kopf(abschnitt) + QStringLiteral(" !") : kopf(abschnitt);
    case Qt::ToolTipRole:
        return markiert(abschnitt) ? QVariant(schwerste) : QVariant();
    case Qt::AccessibleTextRole:
        if (abschnitt < ErsteAufgabe)
            return kopf(abschnitt);
        return QStringLiteral("Aufgabe %1%2").arg(kopf(abschnitt), markiert(abschnitt) ? QStringLiteral(", am wenigsten gelöst") : QString());
    case Qt::BackgroundRole:
        return markiert(abschnitt) ? QVariant(Markierung) : QVariant();
    default:
        return {};
    }
}

void Uebersichtsmodell::sort(int spalte, Qt::SortOrder ordnung)
{
    m_sortierspalte = spalte;
    m_ordnung = ordnung;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // A selected pupil stays selected wherever the row goes.
    const QModelIndexList vorher = persistentIndexList();
    std::vector<std::optional<std::size_t>> wer;
    for (const QModelIndex& i : vorher)
        wer.push_back(Schueler(i.row()));
    ordne();
    std::vector<int> zeileVon(m_reihenfolge.size());
    for (std::size_t zeile = 0; zeile < m_reihenfolge.size(); ++zeile)
        zeileVon[m_reihenfolge[zeile]] = static_cast<int>(zeile);
    QModelIndexList nachher;
    for (qsizetype i = 0; i < vorher.size(); ++i) {
        const std::optional<std::size_t> s = wer[static_cast<std::size_t>(i)];
        nachher << index(s ? zeileVon[*s] : static_cast<int>(m_reihenfolge.size()), vorher[i].column());
    }
    changePersistentIndexList(vorher, nachher);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void Uebersichtsmodell::ordne()
{
    if (m_sortierspalte < 0)
        return;
    const auto vor = [this](std::size_t a, std::size_t b) {
        const Schuelerzeile& x = m_uebersicht.Zeilen[a];
        const Schuelerzeile& y = m_uebersicht.Zeilen[b];
        return m_ordnung == Qt::AscendingOrder ? SortiertVor(x, y, m_sortierspalte) : SortiertVor(y, x, m_sortierspalte);
    };
    std::stable_sort(m_reihenfolge.begin(), m_reihenfolge.end(), vor);
}
