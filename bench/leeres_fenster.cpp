// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick of bench/startup: the least a Qt Widgets program with a
// main window and a menu bar does before its window appears. With
// KURVIX_EINMAL set it quits as soon as the window has been shown, the
// counterpart of kurvix-einmal-starten under callgrind.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication anwendung(argc, argv);
    QMainWindow fenster;
    fenster.menuBar()->addMenu(QStringLiteral("Datei"));
    fenster.resize(812, 550);
    fenster.show();
    if (qEnvironmentVariableIsSet("KURVIX_EINMAL"))
        QTimer::singleShot(0, &anwendung, &QApplication::quit);
    return QApplication::exec();
}
