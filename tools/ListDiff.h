#pragma once

#include <cstddef>
#include <vector>

#include "core/IStepchain.h"

// How a row differs between two lists.
enum class RowChange {
    Removed, // in the first list only
    Added,   // in the second list only
    Moved,   // equal settings at another place
    Changed, // the same kind at the same place, other settings
};

// Rows count from 0; `before` is unused for an added row, `after` for a removed one.
struct RowDiff {
    RowChange change;
    size_t before;
    size_t after;
};

struct ListDiff {
    std::vector<RowDiff> rows;
    // False when the lists differ in so many rows that a stage ran out of
    // comparisons: rows shown as removed and added may then be equal, moved
    // or changed ones.
    bool complete = true;
};

// Comparisons that each stage of a diff may make: about a second of
// CompareProperties calls, which two lists of 65,535 rows with a few hundred
// scattered differences stay well within.
inline constexpr size_t DIFF_COMPARISONS = 40'000'000;

// The differences between two lists under the actions' own equality
// (CompareProperties). The rows that stay are a longest common subsequence;
// of the rows left over, a removed and an added row of equal settings are a
// move, and between the same two kept rows, removed and added rows that
// align by kind (again a longest common subsequence) are changes. The
// result follows the first list, with the added rows after the removed rows
// of their gap; it is empty exactly when the lists are equal.
ListDiff DiffLists(const StepchainArray& before, const StepchainArray& after,
                   size_t comparisons = DIFF_COMPARISONS);
