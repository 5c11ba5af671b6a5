// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/abschnitte.h"

#include <algorithm>
#include <cstddef>

bool Abschnitte::Zeigt(double x) const
{
    if (Anzahl <= 0)
        return true;
    for (int i = 0; i < std::min(Anzahl, 2); ++i)
        if (Von[static_cast<std::size_t>(i)] <= x && x <= Bis[static_cast<std::size_t>(i)])
            return true;
    return false;
}
