// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/konsole_windows.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

UINT codeseiteVorher = 0;

void stelleCodeseiteWiederHer() { SetConsoleOutputCP(codeseiteVorher); }

// A redirected output (a file, a pipe) is a valid handle of a known type.
bool hatZiel(DWORD welches)
{
    const HANDLE ziel = GetStdHandle(welches);
    return ziel != nullptr && ziel != INVALID_HANDLE_VALUE && GetFileType(ziel) != FILE_TYPE_UNKNOWN;
}

} // namespace

void VerbindeKonsole()
{
    const bool ausgabe = hatZiel(STD_OUTPUT_HANDLE);
    const bool fehler = hatZiel(STD_ERROR_HANDLE);
    if (ausgabe && fehler)
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!ausgabe)
        std::freopen("CONOUT$", "w", stdout);
    if (!fehler)
        std::freopen("CONOUT$", "w", stderr);
    // Every text is written as UTF-8, which the console shows right only in
    // its code page 65001; the console belongs to the caller, so it gets its
    // own code page back.
    codeseiteVorher = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::atexit(stelleCodeseiteWiederHer);
}
