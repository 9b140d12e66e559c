#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tools/Alignment.h"

namespace {

Alignment AlignWithin(const std::string& a, const std::string& b, size_t budget)
{
    return AlignRows(a.size(), b.size(), [&](size_t i, size_t j) { return a[i] == b[j]; }, budget);
}

std::vector<std::pair<size_t, size_t>> Align(const std::string& a, const std::string& b)
{
    const Alignment alignment = AlignWithin(a, b, SIZE_MAX);
    EXPECT_TRUE(alignment.longest);
    return alignment.kept;
}

// Whether the pairs keep equal rows, both in increasing order.
bool IsCommonSubsequence(const std::vector<std::pair<size_t, size_t>>& pairs, const std::string& a,
                         const std::string& b)
{
    for (size_t p = 0; p < pairs.size(); ++p) {
        if (a.at(pairs[p].first) != b.at(pairs[p].second))
            return false;
        if (p > 0 && (pairs[p - 1].first >= pairs[p].first || pairs[p - 1].second >= pairs[p].second))
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

TEST(Alignment, KeepsALongestCommonSubsequenceOfRandomSequences)
{
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        const unsigned alphabet = 1 + random() % 4;
        std::string text[2];
        for (std::string& t : text) {
            t.resize(random() % 24);
            for (char& c : t)
                c = static_cast<char>('a' + random() % alphabet);
        }
        const auto pairs = Align(text[0], text[1]);
        ASSERT_TRUE(IsCommonSubsequence(pairs, text[0], text[1]));
        ASSERT_EQ(pairs.size(), LcsLength(text[0], text[1])) << text[0] << " / " << text[1];
    }
}

TEST(Alignment, FindsFewEditsInLongSequences)
{
    std::string a(20000, 'a');
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = static_cast<char>('a' + (i * 7919) % 26);
    std::string b = a;
    b.erase(100, 3);
    b.insert(15000, "zzzz");
    b[9000] = '#';
    EXPECT_EQ(Align(a, b).size(), a.size() - 4);
    EXPECT_TRUE(Align("", "abc").empty());
    EXPECT_TRUE(Align("abc", "").empty());
}

// Sequences that differ in more places than a search may take steps, or
// than the budget allows, still align, though maybe not best.
TEST(Alignment, FallsBackOnSequencesThatDifferThroughout)
{
    std::mt19937 random(7);
    std::string a(3000, ' ');
    std::string b(2900, ' ');
    for (char& c : a)
        c = static_cast<char>('a' + random() % 8);
    for (char& c : b)
        c = static_cast<char>('a' + random() % 8);
    b.insert(0, a.substr(0, 100));
    b += a.substr(2900);
    for (const size_t budget : {SIZE_MAX, size_t{50'000}, size_t{0}}) {
        size_t left = budget;
        const Alignment alignment = AlignWithin(a, b, left);
        EXPECT_FALSE(alignment.longest) << budget;
        EXPECT_TRUE(IsCommonSubsequence(alignment.kept, a, b)) << budget;
        // The common first and last rows are kept whatever the budget.
        EXPECT_GE(alignment.kept.size(), 200u) << budget;
        EXPECT_LE(alignment.kept.size(), LcsLength(a, b)) << budget;
    }
}

}
