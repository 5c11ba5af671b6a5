// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The editor's two lists as Qt's views read them: the texts of a row are
// made when the view shows it, so that a series of 100,000 tasks costs no
// object per row.

#include "reihe/reihenbearbeitung.h"

#include <QAbstractTableModel>

#include <vector>

// One row per task, "Nr.", "Typ", "Gleichung" and "Abschnitte", and a last
// row for the end of the series, which holds the remark lines after the last
// task.
class Aufgabenmodell : public QAbstractTableModel {
public:
    explicit Aufgabenmodell(const Reihenbearbeitung& reihe, QObject* eltern = nullptr);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

    // After a change of the series: the task's row, or all rows after a
    // change of its structure.
    void Zeige(const Reihenaenderung& aenderung);

private:
    const Reihenbearbeitung& m_reihe;
};

// The findings of the series, "Zeile", "Art" and "Befund"; the line as a
// number under Qt::UserRole of the first column.
class Befundmodell : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

    void Zeige(std::vector<Befund> befunde);

private:
    std::vector<Befund> m_befunde;
};
