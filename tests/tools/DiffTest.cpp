#include <gtest/gtest.h>

#include <random>

#include "tools/Alignment.h"
#include "tools/ListBuilder.h"
#include "tools/ListDiff.h"

namespace {

Alignment Align(const std::string& a, const std::string& b, size_t budget = SIZE_MAX)
{
    return AlignRows(a.size(), b.size(), [&](size_t i, size_t j) { return a[i] == b[j]; }, budget);
}

// Whether the pairs keep equal rows, both in increasing order.
bool IsCommonSubsequence(const decltype(Alignment::kept)& pairs, const std::string& a, const std::string& b)
{
    for (size_t p = 0; p < pairs.size(); ++p) {
        if (a.at(pairs[p].first) != b.at(pairs[p].second) ||
            (p > 0 && (pairs[p - 1].first >= pairs[p].first || pairs[p - 1].second >= pairs[p].second)))
            return false;
    }
    return true;
}

// The length of a longest common subsequence, by the textbook table.
size_t LcsLength(const std::string& a, const std::string& b)
{
    std::vector<std::vector<size_t>> table(a.size() + 1, std::vector<size_t>(b.size() + 1, 0));
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j)
            table[i][j] = a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1 : std::max(table[i - 1][j], table[i][j - 1]);
    }
    return table[a.size()][b.size()];
}

std::string Random(std::mt19937& random, size_t size, unsigned alphabet)
{
    std::string text(size, ' ');
    for (char& c : text)
        c = static_cast<char>('a' + random() % alphabet);
    return text;
}

TEST(Alignment, KeepsALongestCommonSubsequence)
{
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        const unsigned alphabet = 1 + random() % 4;
        const std::string a = Random(random, random() % 24, alphabet);
        const std::string b = Random(random, random() % 24, alphabet);
        const Alignment alignment = Align(a, b);
        ASSERT_TRUE(alignment.longest);
        ASSERT_TRUE(IsCommonSubsequence(alignment.kept, a, b));
        ASSERT_EQ(alignment.kept.size(), LcsLength(a, b)) << a << " / " << b;
    }
    // Few edits in a long sequence.
    std::string a = Random(random, 20000, 26);
    std::string b = a;
    b.erase(100, 3);
    b.insert(15000, "zzzz");
    b[9000] = '#';
    EXPECT_EQ(Align(a, b).kept.size(), a.size() - 4);
}

// Sequences that differ in more places than a search may take steps, or
// than the budget allows, still align, though maybe not best.
TEST(Alignment, FallsBackOnSequencesThatDifferThroughout)
{
    std::mt19937 random(7);
    const std::string a = Random(random, 3000, 8);
    const std::string b = a.substr(0, 100) + Random(random, 2900, 8) + a.substr(2900);
    for (const size_t budget : {SIZE_MAX, size_t{50'000}, size_t{0}}) {
        const Alignment alignment = Align(a, b, budget);
        EXPECT_FALSE(alignment.longest) << budget;
        EXPECT_TRUE(IsCommonSubsequence(alignment.kept, a, b)) << budget;
        // The common first and last rows are kept whatever the budget.
        EXPECT_GE(alignment.kept.size(), 200u) << budget;
    }
}

ListDiff DiffOf(const std::string& before, const std::string& after, size_t comparisons = DIFF_COMPARISONS)
{
    return DiffLists(Listed(before)->GetActions(), Listed(after)->GetActions(), comparisons);
}

// "-2" removed row 2, "+3" added row 3, "2>3" moved, "2~3" changed; rows from 1.
TEST(ListDiff, FindsTheRowsThatDiffer)
{
    const std::array<const char*, 3> cases[] = {
        {"A R W0=1", "A R W0=1", ""},         {"A B", "A W0=1 B", "+2"},
        {"A B", "", "-1 -2"},                 {"A B C D", "B C D A", "1>4"},
        {"A B C D", "D A B C", "4>1"},        {"A B C", "A Z C", "2~2"},
        {"A B C", "A B=1 C", "-2 +2"},        {"A B C", "A W0=1 Z C", "2~3 +2"},
        {"A B W0=1 C", "C A B W1=1", "3~4 4>1"}, {"A A B", "A B", "-2"},
        {"A A C D", "C D A", "1>3 -2"},
    };
    for (const auto& [before, after, expected] : cases) {
        std::string found;
        for (const RowDiff& diff : DiffOf(before, after).rows) {
            const std::string from = std::to_string(diff.before + 1);
            const std::string to = std::to_string(diff.after + 1);
            found += found.empty() ? "" : " ";
            switch (diff.change) {
            case RowChange::Removed: found += "-" + from; break;
            case RowChange::Added: found += "+" + to; break;
            case RowChange::Moved: found += from + ">" + to; break;
            case RowChange::Changed: found += from + "~" + to; break;
            }
        }
        EXPECT_EQ(found, expected) << before << " / " << after;
    }
}

// Past its comparisons a diff still tells each row of either list exactly once.
TEST(ListDiff, ShortOfComparisonsStillTellsEveryRow)
{
    for (const size_t comparisons : {0, 3, 20}) {
        const ListDiff diff = DiffOf("A B W0=1 C D R E", "E D R C W0=1 W1=1 B A", comparisons);
        EXPECT_FALSE(diff.complete);
        std::vector<int> seenBefore(7);
        std::vector<int> seenAfter(8);
        for (const RowDiff& row : diff.rows) {
            if (row.change != RowChange::Added)
                ++seenBefore.at(row.before);
            if (row.change != RowChange::Removed)
                ++seenAfter.at(row.after);
        }
        EXPECT_EQ(seenBefore, std::vector<int>(7, 1)) << comparisons;
        EXPECT_EQ(seenAfter, std::vector<int>(8, 1)) << comparisons;
    }
    EXPECT_TRUE(DiffOf("A B W0=1 C D R E", "E D R C W0=1 W1=1 B A").complete);
}

}
