// Aligning the rows of two long lists, as `stepchain diff` does.
#include <benchmark/benchmark.h>

#include <functional>

#include "BenchLists.h"
#include "tools/ListDiff.h"

namespace {

IStepchain* CopyOf(CStepchainData& owner, IStepchain* action)
{
    IStepchain* copy = owner.CreateSC(action->GetActionType());
    copy->CopyPropertiesFrom(action);
    return copy;
}

// Seven rows edited, spread over the list: two removed, two added, one
// moved, one replaced.
void EditFewRows(CStepchainData& edited, CStepchainData& fresh)
{
    StepchainArray& rows = edited.GetActions();
    auto place = [n = rows.size()](size_t eighth) { return static_cast<std::ptrdiff_t>(n * eighth / 8); };
    auto remove = [&](std::ptrdiff_t at) {
        delete rows[static_cast<size_t>(at)];
        rows.erase(rows.begin() + at);
    };
    // From the end backwards, so that each place still means the same row.
    remove(place(7));
    rows.insert(rows.begin() + place(6), CopyOf(edited, fresh.GetAt(0)));
    remove(place(5));
    rows.insert(rows.begin() + place(4), CopyOf(edited, fresh.GetAt(1)));
    IStepchain* moved = CopyOf(edited, rows[static_cast<size_t>(place(3))]);
    remove(place(3));
    rows.insert(rows.begin() + place(1), moved);
    delete rows[5];
    rows[5] = CopyOf(edited, fresh.GetAt(2));
}

// One row in ten replaced by a row of another list.
void EditEveryTenthRow(CStepchainData& edited, CStepchainData& fresh)
{
    StepchainArray& rows = edited.GetActions();
    for (size_t at = 3; at < rows.size(); at += 10) {
        delete rows[at];
        rows[at] = CopyOf(edited, fresh.GetAt(at % fresh.GetCount()));
    }
}

// A list of another seed, one row shorter.
void Replace(CStepchainData& edited, CStepchainData&)
{
    const size_t count = edited.GetCount() - 1;
    edited.RemoveAllProperties();
    FillMixed(edited, count);
}

void Diff(benchmark::State& state, const std::function<void(CStepchainData&, CStepchainData&)>& edit)
{
    BenchHost host;
    CStepchainData list;
    FillMixed(list, static_cast<size_t>(state.range(0)));
    CStepchainData fresh;
    FillMixed(fresh, 7);
    CStepchainData edited;
    edited.CopyPropertiesFrom(&list);
    edit(edited, fresh);
    ListDiff diff;
    for (auto _ : state) {
        diff = DiffLists(list.GetActions(), edited.GetActions());
        benchmark::DoNotOptimize(diff);
    }
    state.counters["rows"] = static_cast<double>(diff.rows.size());
    state.counters["complete"] = diff.complete ? 1 : 0;
}

void DiffFewRowsEdited(benchmark::State& state) { Diff(state, EditFewRows); }
void DiffEveryTenthRowEdited(benchmark::State& state) { Diff(state, EditEveryTenthRow); }
void DiffUnrelatedLists(benchmark::State& state) { Diff(state, Replace); }

BENCHMARK(DiffFewRowsEdited)->Arg(4096)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(DiffEveryTenthRowEdited)->Arg(4096)->Arg(65535)->Unit(benchmark::kMillisecond);
BENCHMARK(DiffUnrelatedLists)->Arg(4096)->Arg(65535)->Unit(benchmark::kMillisecond);

}
