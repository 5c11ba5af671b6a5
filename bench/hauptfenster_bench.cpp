#include "app/hauptfenster.h"
#include "dialogs/dialoge.h"
#include "tasks/zufall.h"

#include <benchmark/benchmark.h>

namespace {

// The start of the program: the main window with its controls, seven radio
// buttons and 21 term panels, each laid out once.
void BM_HauptfensterErzeugen(benchmark::State& state)
{
    QtDialoge dialoge;
    Zufallsgenerator zufall;
    for (auto _ : state) {
        TForm1 form(dialoge, zufall);
        benchmark::DoNotOptimize(form.TermBreite);
    }
}

BENCHMARK(BM_HauptfensterErzeugen)->Unit(benchmark::kMillisecond);

} // namespace
