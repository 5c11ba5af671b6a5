// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "programmlauf.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

Programmlauf StarteProgramm(const QStringList& argumente, const QString& ordner, const QString& region)
{
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("DISPLAY"));
    umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
    umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!region.isEmpty())
        umgebung.insert(QStringLiteral("LC_ALL"), region);
    prozess.setProcessEnvironment(umgebung);
    prozess.setWorkingDirectory(ordner);
    prozess.start(QStringLiteral(KURVIX_PROGRAMM), argumente);
    if (!prozess.waitForFinished(60000)) {
        prozess.kill();
        prozess.waitForFinished();
        ADD_FAILURE() << "the program did not finish";
    }
    return {prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1,
            QString::fromUtf8(prozess.readAllStandardOutput()), QString::fromUtf8(prozess.readAllStandardError())};
}
