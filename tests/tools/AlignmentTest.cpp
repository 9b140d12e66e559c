#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tools/Alignment.h"

namespace {

using Pairs = std::vector<std::pair<size_t, size_t>>;

Pairs Align(const std::string& a, const std::string& b)
{
    return AlignRows(a.size(), b.size(), [&](size_t i, size_t j) { return a[i] == b[j]; });
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

// The pairs keep equal rows, in increasing order, and are as many as can be.
void ExpectLongestCommon(const std::string& a, const std::string& b)
{
    const Pairs pairs = Align(a, b);
    for (size_t p = 0; p < pairs.size(); ++p) {
        ASSERT_LT(pairs[p].first, a.size());
        ASSERT_LT(pairs[p].second, b.size());
        EXPECT_EQ(a[pairs[p].first], b[pairs[p].second]) << a << " / " << b;
        if (p > 0) {
            EXPECT_LT(pairs[p - 1].first, pairs[p].first) << a << " / " << b;
            EXPECT_LT(pairs[p - 1].second, pairs[p].second) << a << " / " << b;
        }
    }
    EXPECT_EQ(pairs.size(), LcsLength(a, b)) << a << " / " << b;
}

struct AlignCase {
    const char* a;
    const char* b;
    Pairs expected;
};

class AlignmentCases : public testing::TestWithParam<AlignCase> {};

TEST_P(AlignmentCases, KeepsTheCommonRows) { EXPECT_EQ(Align(GetParam().a, GetParam().b), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Table, AlignmentCases,
                         testing::Values(AlignCase{"", "", {}}, AlignCase{"abc", "", {}}, AlignCase{"", "abc", {}},
                                         AlignCase{"abc", "abc", {{0, 0}, {1, 1}, {2, 2}}},
                                         AlignCase{"abc", "axc", {{0, 0}, {2, 2}}},
                                         AlignCase{"abc", "abxc", {{0, 0}, {1, 1}, {2, 3}}},
                                         AlignCase{"xabcy", "abc", {{1, 0}, {2, 1}, {3, 2}}},
                                         AlignCase{"abc", "xyz", {}}));

TEST(Alignment, IsALongestCommonSubsequenceOfRandomSequences)
{
    std::mt19937 random(20240601);
    for (int round = 0; round < 3000; ++round) {
        const size_t alphabet = 1 + random() % 4;
        auto make = [&] {
            std::string text(random() % 24, 'a');
            for (char& c : text)
                c = static_cast<char>('a' + random() % alphabet);
            return text;
        };
        ExpectLongestCommon(make(), make());
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
}

}
