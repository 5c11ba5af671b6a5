#include "plot/ebene.h"
#include "plot/geometrie.h"

#include <benchmark/benchmark.h>

namespace {

QImage neuesBild() { return QImage(BildBreite, BildHoehe, QImage::Format_RGB32); }

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
    QImage bild = neuesBild();
    const Anzeigeoptionen a = anzeige(state);
    for (auto _ : state) {
        ZeichneEbene(bild, a);
        benchmark::ClobberMemory();
    }
}

// What every redraw does: the kept plane, a given parabola and the pupil's
// hyperbola with its jump test.
void BM_VollerDurchlauf(benchmark::State& state)
{
    QImage bild = neuesBild();
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

BENCHMARK(BM_Weiss)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Ebene)->Arg(1)->Arg(3)->ArgName("Dicke")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VollerDurchlauf)->Arg(1)->Arg(3)->ArgName("Dicke")->Unit(benchmark::kMicrosecond);

} // namespace
