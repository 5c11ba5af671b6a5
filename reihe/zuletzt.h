// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The task files the editor opened or saved last, newest first, kept in the
// user's settings (QSettings of the application), so that they outlast the
// program.
class ZuletztGeoeffnet {
public:
    static constexpr int Hoechstens = 8;

    QStringList Dateien() const;
    // Puts the file at the front, once, by its absolute path; the oldest
    // beyond Hoechstens drops out.
    void Merke(const QString& pfad);
    void Vergiss(const QString& pfad);
    void Leere();

private:
    void schreibe(const QStringList& dateien);
};
