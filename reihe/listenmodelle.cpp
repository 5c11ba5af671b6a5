// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reihe/listenmodelle.h"

#include "model/funktionstext.h"
#include "model/zahltext.h"

#include <array>

namespace {

const std::array<QString, 4> Aufgabenspalten{QStringLiteral("Nr."), QStringLiteral("Typ"), QStringLiteral("Gleichung"),
                                             QStringLiteral("Abschnitte")};
const std::array<QString, 3> Befundspalten{QStringLiteral("Zeile"), QStringLiteral("Art"), QStringLiteral("Befund")};

QString abschnittstext(const Abschnitte& abschnitte)
{
    QStringList texte;
    for (int n = 0; n < abschnitte.Anzahl; ++n) {
        const auto i = static_cast<std::size_t>(n);
        texte << QStringLiteral("(%1;%2)").arg(Zahltext(abschnitte.Von[i]), Zahltext(abschnitte.Bis[i]));
    }
    return texte.join(QLatin1Char(' '));
}

QString aufgabentext(const Reihenaufgabe& aufgabe, int nummer, int spalte)
{
    switch (spalte) {
    case 0:
        return Zahltext(nummer);
    case 1:
        return IstTyp(aufgabe.Typ) ? Typname(aufgabe.Typ) : QStringLiteral("ungültig");
    case 2:
        return Loesungstext(aufgabe.Typ, aufgabe.Parameter, QLocale());
    default:
        return abschnittstext(aufgabe.Abschnitte);
    }
}

template <std::size_t N>
QVariant kopf(const std::array<QString, N>& spalten, int abschnitt, Qt::Orientation richtung, int rolle)
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 || abschnitt >= static_cast<int>(N))
        return {};
    return spalten[static_cast<std::size_t>(abschnitt)];
}

} // namespace

Aufgabenmodell::Aufgabenmodell(const Reihenbearbeitung& reihe, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_reihe(reihe)
{
}

int Aufgabenmodell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : m_reihe.Anzahl() + 1; }

int Aufgabenmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(Aufgabenspalten.size());
}

QVariant Aufgabenmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || rolle != Qt::DisplayRole)
        return {};
    if (index.row() == m_reihe.Anzahl())
        return index.column() == 2 ? QStringLiteral("Ende der Reihe") : QString();
    const Reihenaufgabe& aufgabe = m_reihe.Reihe().Aufgaben[static_cast<std::size_t>(index.row())].Aufgabe;
    return aufgabentext(aufgabe, index.row() + 1, index.column());
}

QVariant Aufgabenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    return kopf(Aufgabenspalten, abschnitt, richtung, rolle);
}

// The change is done when the series reports it, so the view learns of a
// new structure as a reset.
void Aufgabenmodell::Zeige(const Reihenaenderung& aenderung)
{
    if (aenderung.art == Reihenaenderung::Art::Aufgabe) {
        emit dataChanged(index(aenderung.Index, 0), index(aenderung.Index, columnCount() - 1));
    } else if (aenderung.art == Reihenaenderung::Art::Struktur) {
        beginResetModel();
        endResetModel();
    }
}

int Befundmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_befunde.size());
}

int Befundmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(Befundspalten.size());
}

QVariant Befundmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid())
        return {};
    const Befund& befund = m_befunde[static_cast<std::size_t>(index.row())];
    if (rolle == Qt::UserRole && index.column() == 0)
        return befund.zeile;
    if (rolle == Qt::ToolTipRole && index.column() == 2)
        return befund.text;
    if (rolle != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return befund.zeile > 0 ? Zahltext(befund.zeile) : QString();
    case 1:
        return befund.art == Befund::Art::Fehler ? QStringLiteral("Fehler") : QStringLiteral("Warnung");
    default:
        return befund.text;
    }
}

QVariant Befundmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    return kopf(Befundspalten, abschnitt, richtung, rolle);
}

void Befundmodell::Zeige(std::vector<Befund> befunde)
{
    beginResetModel();
    m_befunde = std::move(befunde);
    endResetModel();
}
