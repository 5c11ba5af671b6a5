// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/funktion.h"
#include "plot/geometrie.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

// A transformed function of each type, as a task would give it.
ParameterSatz aufgabe(int Typ)
{
    switch (Typ) {
    case Gerade:
        return {{1.5, -2, 0, 0}};
    case Sinus:
        return {{2, 0.5, -1, 1}};
    case Exponential:
        return {{-0.5, 3, 2, 0}};
    default:
        return {{-0.5, 1.5, 2, 0}};
    }
}

// One call per iteration, walking the abscissas of the plot's columns as a
// drawing pass does.
void BM_Funktionswert(benchmark::State& state)
{
    const int Typ = static_cast<int>(state.range(0));
    const ParameterSatz P = aufgabe(Typ);
    std::array<double, BildBreite + 1> xWerte{};
    for (int spalte = 0; spalte <= BildBreite; ++spalte)
        xWerte[static_cast<std::size_t>(spalte)] = (spalte - UrsprungX) / static_cast<double>(ProEinheit);
    std::size_t i = 0;
    for (auto _ : state) {
        bool gueltig = true;
        benchmark::DoNotOptimize(Funktionswert(Typ, xWerte[i], P, gueltig));
        benchmark::DoNotOptimize(gueltig);
        i = i == BildBreite ? 0 : i + 1;
    }
    state.SetLabel(std::to_string(AnzahlParameter(Typ)) + " Parameter");
}

BENCHMARK(BM_Funktionswert)->DenseRange(0, AnzahlTypen - 1)->ArgName("Typ");

} // namespace
