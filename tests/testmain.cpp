// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/anwendung.h"
#include "testhilfe.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the program keeps in its data folder, such as the editor's
    // recovery files, goes to a folder of this run, never to the user's.
    const QTemporaryDir daten;
    qputenv("XDG_DATA_HOME", QFile::encodeName(daten.path()));
    // The tests run the way the program runs: the process takes its regional
    // settings from the environment, as QApplication does on start-up. Qt
    // would ignore a failure, so it is recorded here and reported by a test.
    GewaehlteRegion() = std::setlocale(LC_ALL, "") != nullptr;
    StarteSchriftvorlauf();
    QApplication anwendung(argc, argv);
    RichteAnwendungEin(anwendung);
    // The user's own settings, such as the editor's recent files, stay untouched.
    const QTemporaryDir einstellungen;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, einstellungen.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
