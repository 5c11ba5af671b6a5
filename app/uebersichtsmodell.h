// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "auftraege/auswertung.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

// The table of the window "Klassenübersicht": the rows of BaueUebersicht
// as they are, in the order the view sorts them, and a last row "Anteil
// richtig" that stays last. The column of the task the fewest solved is
// marked.
class Uebersichtsmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows another overview, sorted as the view last asked.
    void Zeige(Uebersicht uebersicht);
    const Uebersicht& Inhalt() const { return m_uebersicht; }
    // The row of the overview a table row shows; nothing for the shares.
    std::optional<std::size_t> Schueler(int zeile) const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;
    void sort(int spalte, Qt::SortOrder ordnung = Qt::AscendingOrder) override;

private:
    QString text(int zeile, int spalte) const;
    QString vorgelesen(int zeile, int spalte) const;
    bool markiert(int spalte) const;
    void ordne();

    Uebersicht m_uebersicht;
    std::vector<std::size_t> m_reihenfolge;
    std::optional<qsizetype> m_schwerste;
    int m_sortierspalte = -1;
    Qt::SortOrder m_ordnung = Qt::AscendingOrder;
};
