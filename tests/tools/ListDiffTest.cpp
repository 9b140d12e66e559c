#include <gtest/gtest.h>

#include <sstream>

#include "tools/ListBuilder.h"
#include "tools/ListDiff.h"

namespace {

// A list from words: a label for a name, "=X" a set value of X, "R" a redraw.
void Fill(CStepchainData& list, const std::string& words)
{
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        if (word == "R")
            list.AddSC(list.CreateSC(SC_REFSH));
        else if (word[0] == '=')
            SetValue(list, word.substr(1), "1");
        else
            Label(list, word);
    }
}

ListDiff DiffOf(const std::string& before, const std::string& after, size_t comparisons = DIFF_COMPARISONS)
{
    CStepchainData a;
    CStepchainData b;
    Fill(a, before);
    Fill(b, after);
    return DiffLists(a.GetActions(), b.GetActions(), comparisons);
}

// "-2" removed row 2, "+3" added row 3, "2>3" moved, "2~3" changed; rows from 1.
std::vector<std::string> Diff(const std::string& before, const std::string& after)
{
    std::vector<std::string> found;
    for (const RowDiff& diff : DiffOf(before, after).rows) {
        const std::string from = std::to_string(diff.before + 1);
        const std::string to = std::to_string(diff.after + 1);
        switch (diff.change) {
        case RowChange::Removed: found.push_back("-" + from); break;
        case RowChange::Added: found.push_back("+" + to); break;
        case RowChange::Moved: found.push_back(from + ">" + to); break;
        case RowChange::Changed: found.push_back(from + "~" + to); break;
        }
    }
    return found;
}

struct DiffCase {
    const char* name;
    const char* before;
    const char* after;
    std::vector<std::string> expected;
};

class ListDiffCases : public testing::TestWithParam<DiffCase> {};

TEST_P(ListDiffCases, FindTheRowsThatDiffer)
{
    EXPECT_EQ(Diff(GetParam().before, GetParam().after), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListDiffCases,
    testing::Values(DiffCase{"Equal", "A R =W0", "A R =W0", {}}, DiffCase{"BothEmpty", "", "", {}},
                    DiffCase{"Added", "A B", "A =W0 B", {"+2"}}, DiffCase{"AddedAtEnd", "A", "A R R", {"+2", "+3"}},
                    DiffCase{"Removed", "A =W0 B", "A B", {"-2"}}, DiffCase{"AllRemoved", "A B", "", {"-1", "-2"}},
                    DiffCase{"MovedDown", "A B C D", "B C D A", {"1>4"}},
                    DiffCase{"MovedUp", "A B C D", "D A B C", {"4>1"}}, DiffCase{"Swapped", "A B", "B A", {"1>2"}},
                    DiffCase{"ChangedInPlace", "A B C", "A Z C", {"2~2"}},
                    DiffCase{"OtherKindIsNotAChange", "A B C", "A =B C", {"-2", "+2"}},
                    DiffCase{"ChangeAfterAnInsertedRow", "A B C", "A =W0 Z C", {"2~3", "+2"}},
                    DiffCase{"ChangedAndMoved", "A B =W0 C", "C A B =W1", {"3~4", "4>1"}},
                    DiffCase{"RepeatedRows", "A A B", "A B", {"-2"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Past its comparisons a diff still tells each row of either list exactly once.
TEST(ListDiff, ShortOfComparisonsStillTellsEveryRow)
{
    for (const size_t comparisons : {0, 3, 20}) {
        const ListDiff diff = DiffOf("A B =W0 C D R E", "E D R C =W0 =W1 B A", comparisons);
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
    EXPECT_TRUE(DiffOf("A B =W0 C D R E", "E D R C =W0 =W1 B A").complete);
}

}
