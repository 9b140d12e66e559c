#include "tools/ListDiff.h"

#include <map>
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

// The added rows of one kind in list order, those already paired skipped
// in near constant time (each skip pointer leads past the paired rows).
class Unpaired {
public:
    void Add(size_t row)
    {
        m_rows.push_back(row);
        m_next.push_back(m_next.size());
    }
    size_t Size() const { return m_rows.size(); }
    size_t Row(size_t at) const { return m_rows[at]; }
    // The first unpaired place at or after `at`; Size() when none.
    size_t First(size_t at)
    {
        size_t end = at;
        while (end < m_rows.size() && m_next[end] != end)
            end = m_next[end];
        while (at < m_rows.size() && m_next[at] != at) {
            const size_t next = m_next[at];
            m_next[at] = end;
            at = next;
        }
        return end;
    }
    void Pair(size_t at) { m_next[at] = at + 1; }

private:
    std::vector<size_t> m_rows;
    std::vector<size_t> m_next;
};

}

ListDiff DiffLists(const StepchainArray& before, const StepchainArray& after, size_t comparisons)
{
    // Equal settings are of the same kind, and a kind compares without
    // reaching into the action (on long lists, most of the time goes there).
    std::vector<int> kindBefore(before.size());
    std::vector<int> kindAfter(after.size());
    for (size_t i = 0; i < before.size(); ++i)
        kindBefore[i] = before[i]->GetActionType();
    for (size_t j = 0; j < after.size(); ++j)
        kindAfter[j] = after[j]->GetActionType();
    const auto equal = [&](size_t i, size_t j) {
        return kindBefore[i] == kindAfter[j] && before[i]->CompareProperties(after[j]);
    };

    ListDiff result;
    size_t budget = comparisons;
    const Alignment alignment = AlignRows(before.size(), after.size(), equal, budget);
    result.complete = alignment.longest;
    const std::vector<Gap> gaps = Gaps(alignment.kept, before.size(), after.size());

    // The row of the other list that each left-over row is paired with.
    std::vector<std::optional<size_t>> partnerOfRemoved(before.size());
    std::vector<std::optional<size_t>> partnerOfAdded(after.size());
    std::vector<RowChange> pairing(before.size(), RowChange::Removed);

    // A removed row looks for its move among the added rows of its kind only.
    std::map<int, Unpaired> addedByKind;
    for (const Gap& gap : gaps) {
        for (size_t j : gap.added)
            addedByKind[kindAfter[j]].Add(j);
    }
    budget = comparisons;
    for (const Gap& gap : gaps) {
        for (size_t i : gap.removed) {
            Unpaired& candidates = addedByKind[kindBefore[i]];
            for (size_t at = candidates.First(0); at < candidates.Size() && budget > 0;
                 at = candidates.First(at + 1)) {
                --budget;
                const size_t j = candidates.Row(at);
                if (!before[i]->CompareProperties(after[j]))
                    continue;
                candidates.Pair(at);
                partnerOfRemoved[i] = j;
                partnerOfAdded[j] = i;
                pairing[i] = RowChange::Moved;
                break;
            }
        }
    }
    if (budget == 0)
        result.complete = false;

    budget = comparisons;
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
            return kindBefore[removed[r]] == kindAfter[added[a]];
        };
        const Alignment byKind = AlignRows(removed.size(), added.size(), sameKind, budget);
        result.complete = result.complete && byKind.longest;
        for (const auto& [r, a] : byKind.kept) {
            partnerOfRemoved[removed[r]] = added[a];
            partnerOfAdded[added[a]] = removed[r];
            pairing[removed[r]] = RowChange::Changed;
        }
    }

    for (const Gap& gap : gaps) {
        for (size_t i : gap.removed)
            result.rows.push_back({pairing[i], i, partnerOfRemoved[i].value_or(0)});
        for (size_t j : gap.added) {
            if (!partnerOfAdded[j])
                result.rows.push_back({RowChange::Added, 0, j});
        }
    }
    return result;
}
