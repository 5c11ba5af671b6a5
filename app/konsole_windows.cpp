// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/konsole_windows.h"

#include <QString>

#include <io.h>
#include <windows.h>

namespace {

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
}

bool SchreibeInKonsole(std::FILE* ziel, const QString& text)
{
    const auto konsole = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(ziel)));
    DWORD modus = 0;
    if (GetConsoleMode(konsole, &modus) == 0)
        return false;
    std::fflush(ziel);
    DWORD geschrieben = 0;
    return WriteConsoleW(konsole, text.utf16(), static_cast<DWORD>(text.size()), &geschrieben, nullptr) != 0;
}
