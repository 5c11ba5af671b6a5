// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>

class QString;

// Windows gives a program without a console window (started from the menu
// or by a double-click on a task file) no standard output. Started from a
// console, it writes its messages (--version, --help, --pruefe) there: it
// joins the console of the program that started it for every output that
// is not redirected.
void VerbindeKonsole();

// Writes the text into the console if the stream is one, as UTF-16, which
// shows every letter whatever the console's code page; false for a file or
// a pipe, which get bytes.
bool SchreibeInKonsole(std::FILE* ziel, const QString& text);
