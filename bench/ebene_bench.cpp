// SPDX-FileCopyrightText: 2026 Kurvix maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plot/ebene.h"
#include "plot/geometrie.h"
#include "plot/schrittbild.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// The plot at the given percentage of device pixels per point.
QImage neuesBild(std::int64_t prozent = 100)
{
    const double massstab = static_cast<double>(prozent) / 100;
    QImage bild(Geraetegroesse(massstab), QImage::Format_RGB32);
    bild.setDevicePixelRatio(massstab);
    return bild;
}

Anzeigeoptionen anzeige(const benchmark::State& state)
{
    Anzeigeoptionen a;
    a.AchsenDicke = static_cast<int>(state.range(0));
    a.SchaubildDicke = static_cast<int>(state.range(0));
    a.HalbRaster = state.range(0) == 3;
    return a;
}

// The floor of every pass: the plot filled with white.
void BM_Weiss(benchmark::State& state)
{
    QImage bild = neuesBild();
    for (auto _ : state) {
        bild.fill(Qt::white);
        benchmark::ClobberMemory();
    }
}

// The plane drawn afresh, as after a change of the display settings:
// cleared, grid, axes, ticks, numbers, names.
void BM_Ebene(benchmark::State& state)
{
    QImage bild = neuesBild(state.range(1));
    const Anzeigeoptionen a = anzeige(state);
    for (auto _ : state) {
        ZeichneEbene(bild, a);
        benchmark::ClobberMemory();
    }
}

// What every redraw does: the kept plane, a given parabola and the pupil's
// hyperbola with its jump test; on a scaled screen on its device pixels.
void BM_VollerDurchlauf(benchmark::State& state)
{
    QImage bild = neuesBild(state.range(1));
    const Anzeigeoptionen a = anzeige(state);
    Ebenenvorlage ebene;
    const Kurve vorgabe{Parabel2, {{-0.5, 1, 3}}, {}, false};
    const Kurve user{Hyperbel, {{2, -1, 1}}, {}, true};
    for (auto _ : state) {
        ebene.Zeichne(bild, a);
        ZeichneKurve(bild, vorgabe, a.VorgFarbe, a.SchaubildDicke);
        ZeichneKurve(bild, user, a.UserFarbe, a.SchaubildDicke);
        benchmark::ClobberMemory();
    }
}

// One frame of a solution shown step by step: the kept plane, the grey
// parabola on its way, the given one, the pupil's hyperbola and the arrow.
void BM_Schrittbild(benchmark::State& state)
{
    QImage bild = neuesBild(state.range(1));
    const Anzeigeoptionen a = anzeige(state);
    Ebenenvorlage ebene;
    const Schrittbild schritt{{Parabel2, {{-1.2, 0.5, 0}}, {}, false}, {Parabel2, {{-2, -1, 3}}, {}, false}, a.VorgFarbe,
                              Kurve{Hyperbel, {{2, -1, 1}}, {}, true}, {-0.5, 0}, {1, 0}};
    for (auto _ : state) {
        ZeichneSchrittbild(bild, ebene, a, schritt);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Weiss)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Schrittbild)
    ->ArgsProduct({{1, 3}, {100, 200}})
    ->ArgNames({"Dicke", "Prozent"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ebene)
    ->ArgsProduct({{1, 3}, {100, 150, 200}})
    ->ArgNames({"Dicke", "Prozent"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VollerDurchlauf)
    ->ArgsProduct({{1, 3}, {100, 150, 200}})
    ->ArgNames({"Dicke", "Prozent"})
    ->Unit(benchmark::kMicrosecond);

} // namespace
