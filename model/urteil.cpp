// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/urteil.h"

#include <cstdint>

bool Richtig(int UserTyp, const ParameterSatz& User, int VorgTyp, const ParameterSatz& Vorg)
{
    if (!IstTyp(UserTyp) || UserTyp != VorgTyp)
        return false;
    for (int i = 0; i < AnzahlParameter(UserTyp); ++i)
        if (User[i] != Vorg[i])
            return false;
    return true;
}

int Prozent(int richtig, int aufgaben)
{
    if (aufgaben <= 0)
        return 0;
    // In 64 bits, so that a long run cannot overflow the product.
    return static_cast<int>(std::int64_t{richtig} * 100 / aufgaben);
}
