// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// One run of the built program as from a console without any display.
struct Programmlauf {
    int status = -1; // -1 when the program crashed or had to be stopped
    QString ausgabe;
    QString fehlerausgabe;
};

// Runs the program in the given folder; with a region named, under those
// regional settings whatever the tests themselves run under. A run that
// does not end within a minute is stopped and counts as a failure.
Programmlauf StarteProgramm(const QStringList& argumente, const QString& ordner, const QString& region = {});
