// Event code of mixed lists in the sectioned form, with an owner.
#include <benchmark/benchmark.h>

#include "BenchLists.h"

namespace {

void ScriptOfMixedList(benchmark::State& state)
{
    BenchHost host;
    BenchOwner owner;
    CStepchainData list;
    list.SetOwnerObj(&owner);
    FillMixed(list, static_cast<size_t>(state.range(0)));
    size_t bytes = 0;
    const long faults = MinorFaults();
    for (auto _ : state) {
        std::string script = list.ExportStr(0);
        bytes = script.size();
        benchmark::DoNotOptimize(script);
    }
    state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - faults),
                                                  benchmark::Counter::kAvgIterations);
    state.counters["script_MB"] = static_cast<double>(bytes) / 1e6;
    state.SetComplexityN(state.range(0));
}

BENCHMARK(ScriptOfMixedList)->Arg(4096)->Arg(65535)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}
