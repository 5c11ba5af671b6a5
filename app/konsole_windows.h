// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Windows gives a program without a console window (started from the menu
// or by a double-click on a task file) no standard output. Started from a
// console, it writes its messages (--version, --help, --pruefe) there: it
// joins the console of the program that started it for every output that
// is not redirected, and switches that console to UTF-8 until it ends.
void VerbindeKonsole();
