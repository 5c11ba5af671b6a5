// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pruefung/pruefung.h"

#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

// A task file of n tasks, the task lines of the samples and one graph
// outside the plot in turn.
QByteArray aufgabendatei(qsizetype n)
{
    const char* const zeilen[] = {"3 1 -2 1",      "3 -0,5 0 3 (-4;-1) (1;4)", "1 2 -3",
                                  "5 2 1 0 0",     "6 2 -1 1 (-8;0,5) (1,5;8)", "7 -1 0,5 3 (-4;4)",
                                  "4 0,5 1 -2",    "2 -1 3 2",                 "1 0 100"};
    QByteArray datei = "* Aufgabendatei f\xFCr Programm zum Verschieben und Strecken von Schaubildern von "
                       "Talvenhorn *\r\nKommentar\r\n1 2 3 4 5 6 7\r\n";
    for (qsizetype i = 0; i < n; ++i)
        datei += QByteArray(zeilen[i % std::size(zeilen)]) + "\r\n";
    return datei;
}

// The checker runs after every change in the series editor.
void BM_PruefeAufgabendatei(benchmark::State& state)
{
    const QByteArray datei = aufgabendatei(state.range(0));
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    for (auto _ : state)
        benchmark::DoNotOptimize(PruefeAufgabendatei(datei, deutsch));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_PruefeAufgabendatei)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
