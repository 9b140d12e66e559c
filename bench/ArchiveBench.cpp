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
    for (auto _ : state) {
        std::unique_ptr<CStepchainData> list = Load(bytes);
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }

    // Heap use of one load: the peak while loading (the archive's copy of
    // the bytes included) and what the loaded list keeps.
    const size_t before = heap::LiveBytes();
    heap::ResetPeak();
    std::unique_ptr<CStepchainData> list = Load(bytes);
    state.counters["peak_MB"] = static_cast<double>(heap::PeakBytes() - before) / 1e6;
    state.counters["list_MB"] = static_cast<double>(heap::LiveBytes() - before) / 1e6;
    state.counters["archive_MB"] = static_cast<double>(bytes.size()) / 1e6;
}

void StoreMixedList(benchmark::State& state)
{
    BenchHost host;
    CStepchainData list;
    FillMixed(list, kLongest);
    for (auto _ : state) {
        CArchive out;
        list.Serialize(out);
        benchmark::DoNotOptimize(out.GetStored().data());
    }
}

BENCHMARK(LoadMixedList)->Unit(benchmark::kMillisecond);
BENCHMARK(StoreMixedList)->Unit(benchmark::kMillisecond);

}
