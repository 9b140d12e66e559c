#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

// Whether row i of the first sequence equals row j of the second.
using RowEquality = std::function<bool(size_t i, size_t j)>;

// The rows of two sequences that an alignment keeps, as pairs (i, j), both increasing.
struct Alignment {
    std::vector<std::pair<size_t, size_t>> kept;
    // False when the budget ran out: the ranges still open then keep only
    // their common first and last rows, so equal rows may be left out.
    bool longest = true;
};

// A longest common subsequence of two sequences of n and m rows, by Myers'
// difference algorithm in linear space: time grows with (n + m) times the
// number of differences. Each comparison takes one from `budget`, which
// bounds the time on sequences that differ throughout; once it is spent the
// alignment falls back as Alignment::longest says, in linear time.
Alignment AlignRows(size_t n, size_t m, const RowEquality& equal, size_t& budget);
