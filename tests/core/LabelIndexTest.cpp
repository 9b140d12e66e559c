// The label checks inside a CheckScope against the plain walk over the list.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

#include "core/CStepchainData.h"
#include "support/Settings.h"

namespace {

// Name 0 is empty; every third name is longer than eight bytes, and those share their first eight.
std::string Name(uint32_t n) { return n == 0 ? "" : (n % 3 == 0 ? "Long name " : "N") + std::to_string(n); }

IStepchain* Named(CStepchainData& list, int type, const std::string& name)
{
    return Make(list, type, type == SC_REFSH ? "" : (type == SC_LABEL ? "m_name=" : "Label=") + name);
}

// Each row's and each outsider's answers in both modes, asked first to last
// or last to first, and the label rows of every name (the last one never given).
std::vector<int> Answers(CStepchainData& list, const std::vector<std::unique_ptr<IStepchain>>& outsiders,
                         uint32_t names, bool backwards)
{
    std::vector<int> answers;
    const size_t count = list.GetCount() + outsiders.size();
    for (size_t i = 0; i < count; ++i) {
        const size_t row = backwards ? count - 1 - i : i;
        IStepchain* action = row < list.GetCount() ? list.GetAt(row) : outsiders[row - list.GetCount()].get();
        answers.push_back(list.CheckAction(action, 1));
        answers.push_back(list.CheckAction(action, 2));
    }
    for (uint32_t n = 0; n <= names; ++n) {
        for (size_t row : list.FindLabelRows(Name(n)))
            answers.push_back(static_cast<int>(row));
        answers.push_back(-9);
    }
    return answers;
}

TEST(LabelIndex, AnswersAsThePlainWalk)
{
    // Seed, rows, and how many names the labels and branches share: labels
    // repeat, branches find their label below, above, on both sides or nowhere.
    const std::tuple<uint32_t, size_t, uint32_t> cases[] = {{1, 0, 2}, {2, 1, 1},   {3, 2, 1},  {4, 9, 2},
                                                            {5, 30, 3}, {6, 60, 12}, {7, 200, 40}};
    std::map<std::pair<int, int>, int> seen;  // (mode, answer) over every list
    for (const auto& [seed, rows, names] : cases) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        std::mt19937 random(seed);
        CStepchainData list;
        for (size_t i = 0; i < rows; ++i) {
            const uint32_t roll = random() % 5;
            list.AddSC(Named(list, roll < 2 ? SC_LABEL : roll < 4 ? SC_BRANCH : SC_REFSH, Name(random() % names)));
        }
        std::vector<std::unique_ptr<IStepchain>> outsiders;
        for (int type : {SC_LABEL, SC_BRANCH})
            outsiders.emplace_back(Named(list, type, Name(random() % names)));
        const std::vector<int> walked = Answers(list, outsiders, names, false);
        const std::vector<int> walkedBackwards = Answers(list, outsiders, names, true);
        const CStepchainData::CheckScope outer(list);
        const CStepchainData::CheckScope inner(list);
        EXPECT_EQ(Answers(list, outsiders, names, false), walked);
        EXPECT_EQ(Answers(list, outsiders, names, true), walkedBackwards);
        for (IStepchain* action : list.GetActions()) {
            const int mode = action->GetActionType() == SC_BRANCH ? 1 : 2;
            ++seen[{mode, list.CheckAction(action, mode)}];
        }
    }
    // Duplicate and single labels, targets below, missing and above.
    for (const auto& outcome : {std::pair{2, -1}, {2, 0}, {1, 0}, {1, 1}, {1, 2}})
        EXPECT_GT(seen[outcome], 0) << "mode " << outcome.first << " answer " << outcome.second;
}

TEST(LabelIndex, RowsAddedInsideAScopeAreSeen)
{
    CStepchainData list;
    IStepchain* first = Make(list, SC_LABEL, "m_name=A");
    list.AddSC(first);
    const CStepchainData::CheckScope scope(list);
    EXPECT_EQ(list.CheckAction(first, 2), 0);
    list.AddSC(Make(list, SC_LABEL, "m_name=a"));
    EXPECT_EQ(list.CheckAction(first, 2), 0);
    list.AddSC(Make(list, SC_LABEL, "m_name=A"));
    EXPECT_EQ(list.CheckAction(first, 2), -1);
    EXPECT_EQ(list.IsInvalid(), 1);
}

}
