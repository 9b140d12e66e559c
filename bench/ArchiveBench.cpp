// Loading and storing the longest list the archive can hold.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchLists.h"
#include "HeapCounter.h"

namespace {

constexpr size_t kLongest = MAX_STEPCHAIN_ACTIONS;

std::unique_ptr<CStepchainData> Load(const std::string& bytes)
{
    auto list = std::make_unique<CStepchainData>();
    CArchive in(bytes);
    list->Serialize(in);
    return list;
}

void LoadMixedList(benchmark::State& state)
{
    BenchHost host;
    std::string bytes;
    {
        CStepchainData list;
        FillMixed(list, kLongest);
        bytes = Store(list);
    }
    const long faults = MinorFaults();
    for (auto _ : state) {
        std::unique_ptr<CStepchainData> list = Load(bytes);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(MinorFaults() - faults), benchmark::Counter::kAvgIterations);

    // Heap use of one load: the peak while loading (the archive's copy of
    // the bytes included) and what the loaded list keeps.
    heap::StartCounting();
    std::unique_ptr<CStepchainData> list = Load(bytes);
    const heap::Use use = heap::StopCounting();
    state.counters["peak_MB"] = static_cast<double>(use.peak) / 1e6;
    state.counters["list_MB"] = static_cast<double>(use.kept) / 1e6;
    state.counters["archive_MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void StoreMixedList(benchmark::State& state)
{
    BenchHost host;
    CStepchainData list;
    FillMixed(list, kLongest);
    const long faults = MinorFaults();
    for (auto _ : state) {
        CArchive out;
        list.Serialize(out);
        benchmark::DoNotOptimize(out.GetStored().data());
    }
    state.counters["faults"] =
        benchmark::Counter(static_cast<double>(MinorFaults() - faults), benchmark::Counter::kAvgIterations);
}

BENCHMARK(LoadMixedList)->Unit(benchmark::kMillisecond);
BENCHMARK(StoreMixedList)->Unit(benchmark::kMillisecond);

}
