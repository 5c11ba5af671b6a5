// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

// Up to two x intervals, both bounds included, to which a task file
// restricts the given graph. Anzahl 0 shows the whole graph.
struct Abschnitte {
    int Anzahl = 0;
    std::array<double, 2> Von{};
    std::array<double, 2> Bis{};

    bool Zeigt(double x) const;
};
