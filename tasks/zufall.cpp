// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tasks/zufall.h"

int Zufallsgenerator::R(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_generator);
}

void Zufallsgenerator::Saeen(std::uint32_t saat) { m_generator.seed(saat); }
