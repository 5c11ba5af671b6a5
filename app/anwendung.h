// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>

class QApplication;
class QString;
class QCoreApplication;

// What every start of the program does, with or without a window: the
// application's name and version and the German texts of Qt.
void RichteKernEin(QCoreApplication& anwendung);

// Sets fontconfig up on a thread of its own, the third of a start that is
// spent reading the system's configuration and lists of faces, while Qt
// connects to the display. Called before the application object exists;
// LadeSchriften waits for it. Without fontconfig (Windows) it does nothing.
void StarteSchriftvorlauf();

// Registers the bundled face, so that every text (and every PDF) uses it.
void LadeSchriften();

// What a start with a window does besides, before the first window opens:
// the bundled face, one style on every desktop and the window icon.
void RichteAnwendungEin(QApplication& anwendung);

// Has every window drawn at this size in percent (100 is the screen's own),
// through Qt's scale factor; it must be set before the QApplication exists.
void SetzeGroesse(int prozent);

// Writes a text to stdout or stderr in UTF-8, as QTextStream does: on
// Windows too, where the ANSI code page would turn the German letters of a
// message into others; a console there gets it as UTF-16.
void SchreibeKonsole(std::FILE* ziel, const QString& text);
