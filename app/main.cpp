// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/befehlszeile.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "app/konsole_windows.h"
#endif

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    VerbindeKonsole();
#endif
    return Starte(argc, argv);
}
