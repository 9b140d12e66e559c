#include "tools/ListDiff.h"

#include <optional>

#include "tools/Alignment.h"

namespace {

// The rows between two kept rows (or an end of the lists).
struct Gap {
    std::vector<size_t> removed;
    std::vector<size_t> added;
};

std::vector<Gap> Gaps(const std::vector<std::pair<size_t, size_t>>& kept, size_t n, size_t m)
{
    std::vector<Gap> gaps;
    size_t i = 0;
    size_t j = 0;
    auto gapUpTo = [&](size_t nextI, size_t nextJ) {
        Gap gap;
        for (; i < nextI; ++i)
            gap.removed.push_back(i);
        for (; j < nextJ; ++j)
            gap.added.push_back(j);
        if (!gap.removed.empty() || !gap.added.empty())
            gaps.push_back(std::move(gap));
    };
    for (const auto& [keptI, keptJ] : kept) {
        gapUpTo(keptI, keptJ);
        ++i;
        ++j;
    }
    gapUpTo(n, m);
    return gaps;
}

}

std::vector<RowDiff> DiffLists(const StepchainArray& before, const StepchainArray& after)
{
    const std::vector<Gap> gaps =
        Gaps(AlignRows(before.size(), after.size(),
                       [&](size_t i, size_t j) { return before[i]->CompareProperties(after[j]); }),
             before.size(), after.size());

    // The row of the other list that each left-over row is paired with.
    std::vector<std::optional<size_t>> partnerOfRemoved(before.size());
    std::vector<std::optional<size_t>> partnerOfAdded(after.size());
    std::vector<RowChange> pairing(before.size(), RowChange::Removed);

    std::vector<size_t> allAdded;
    for (const Gap& gap : gaps)
        allAdded.insert(allAdded.end(), gap.added.begin(), gap.added.end());
    for (const Gap& gap : gaps) {
        for (size_t i : gap.removed) {
            for (size_t j : allAdded) {
                if (partnerOfAdded[j] || !before[i]->CompareProperties(after[j]))
                    continue;
                partnerOfRemoved[i] = j;
                partnerOfAdded[j] = i;
                pairing[i] = RowChange::Moved;
                break;
            }
        }
    }
    for (const Gap& gap : gaps) {
        std::vector<size_t> removed;
        std::vector<size_t> added;
        for (size_t i : gap.removed) {
            if (!partnerOfRemoved[i])
                removed.push_back(i);
        }
        for (size_t j : gap.added) {
            if (!partnerOfAdded[j])
                added.push_back(j);
        }
        const auto sameKind = [&](size_t r, size_t a) {
            return before[removed[r]]->GetActionType() == after[added[a]]->GetActionType();
        };
        for (const auto& [r, a] : AlignRows(removed.size(), added.size(), sameKind)) {
            partnerOfRemoved[removed[r]] = added[a];
            partnerOfAdded[added[a]] = removed[r];
            pairing[removed[r]] = RowChange::Changed;
        }
    }

    std::vector<RowDiff> diffs;
    for (const Gap& gap : gaps) {
        for (size_t i : gap.removed)
            diffs.push_back({pairing[i], i, partnerOfRemoved[i].value_or(0)});
        for (size_t j : gap.added) {
            if (!partnerOfAdded[j])
                diffs.push_back({RowChange::Added, 0, j});
        }
    }
    return diffs;
}
