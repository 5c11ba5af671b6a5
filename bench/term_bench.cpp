// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "term/funktionsterm.h"

#include <QLabel>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

class Umgebung : public TermUmgebung {
public:
    QColor UserFarbe() const override { return Qt::red; }
    void TermBreiteMerken(int) override {}
    void TermAngeklickt(int) override {}
    void ParameterUebernehmen(int, double) override {}
    void EingabetasteGedrueckt() override {}
};

// One layout of the pupil's value equation, as every keystroke causes it:
// values to text, hidden pieces, widths and places. Two parameter sets take
// turns, so every pass changes the texts.
void BM_DarstellenAnzeige(benchmark::State& state)
{
    const int Typ = static_cast<int>(state.range(0));
    QWidget fenster;
    Umgebung umgebung;
    TFunktionsTerm term(nullptr, &fenster, umgebung);
    term.Einrichten(Typ, RolleAnzeige);
    const ParameterSatz saetze[2] = {{{-2.5, 0.33333, -1, 4}}, {{1, 3, 0, -0.5}}};
    int i = 0;
    for (auto _ : state) {
        term.Parameter = saetze[i];
        i = 1 - i;
        term.Darstellen(Typ, RolleAnzeige, true);
        benchmark::DoNotOptimize(term.Werte[0]->width());
    }
}

BENCHMARK(BM_DarstellenAnzeige)->Arg(Parabel2)->Arg(Sinus)->Arg(Hyperbel)->ArgName("Typ")->Unit(benchmark::kMicrosecond);

} // namespace
