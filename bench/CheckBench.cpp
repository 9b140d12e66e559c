// Every row's IsInvalid, as a check of the whole list or an editor's
// refresh asks it, on lists of labels and branches.
#include <benchmark/benchmark.h>

#include "BenchLists.h"

namespace {

void InvalidOfEveryRow(benchmark::State& state)
{
    CStepchainData list;
    FillFlow(list, static_cast<size_t>(state.range(0)));
    int invalid = 0;
    for (auto _ : state) {
        // The scope's index is built in every iteration, as in every pass.
        const CStepchainData::CheckScope scope(list);
        invalid = 0;
        for (IStepchain* action : list.GetActions())
            invalid += action->IsInvalid() != 0;
        benchmark::DoNotOptimize(invalid);
    }
    state.counters["invalid"] = invalid;
    state.SetComplexityN(state.range(0));
}

BENCHMARK(InvalidOfEveryRow)->Arg(4096)->Arg(65535)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}
