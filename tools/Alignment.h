#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

// Whether row i of the first sequence equals row j of the second.
using RowEquality = std::function<bool(size_t i, size_t j)>;

// A longest common subsequence of two sequences of n and m rows, as the
// pairs (i, j) of rows kept, both increasing. Myers' difference algorithm in
// linear space: time grows with (n + m) times the number of differences.
std::vector<std::pair<size_t, size_t>> AlignRows(size_t n, size_t m, const RowEquality& equal);
