// The label checks inside a CheckScope against the plain walk over the list.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"

namespace {

struct ListCase {
    uint32_t seed;
    size_t rows;
    uint32_t names;  // how many names the labels and branches share
};

// Every row a label, a branch or a redraw, named from a small pool: labels
// repeat, branches find their label below, above, on both sides or nowhere.
class FlowList {
public:
    explicit FlowList(const ListCase& c) : m_engine(c.seed), m_names(c.names)
    {
        for (size_t i = 0; i < c.rows; ++i) {
            const uint32_t roll = Below(5);
            list.AddSC(roll < 2 ? Label() : roll < 4 ? Branch() : list.CreateSC(SC_REFSH));
        }
        // A label and a branch that are not rows of the list.
        outsiders.emplace_back(Label());
        outsiders.emplace_back(Branch());
    }

    // Each row's and each outsider's answers in both modes, asked first to
    // last or last to first, and the label rows of every name.
    std::vector<int> Answers(bool backwards)
    {
        std::vector<int> answers;
        const size_t count = list.GetCount() + outsiders.size();
        for (size_t i = 0; i < count; ++i) {
            const size_t row = backwards ? count - 1 - i : i;
            IStepchain* action = row < list.GetCount() ? list.GetAt(row) : outsiders[row - list.GetCount()].get();
            answers.push_back(list.CheckAction(action, 1));
            answers.push_back(list.CheckAction(action, 2));
        }
        for (uint32_t n = 0; n <= m_names; ++n) {
            for (size_t row : list.FindLabelRows(Name(n)))
                answers.push_back(static_cast<int>(row));
            answers.push_back(-9);
        }
        return answers;
    }

    CStepchainData list;
    std::vector<std::unique_ptr<IStepchain>> outsiders;

private:
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(m_engine() % n); }
    // Name 0 is empty; the last name of Answers is never given. Every third
    // name is longer than eight bytes, and those share their first eight.
    static std::string Name(uint32_t n)
    {
        if (n == 0)
            return {};
        return std::string(n % 3 == 0 ? "Long name " : "N").append(std::to_string(n));
    }
    IStepchain* Label()
    {
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        label->m_name = Name(Below(m_names));
        return label;
    }
    IStepchain* Branch()
    {
        auto* branch = static_cast<CSCBranch*>(list.CreateSC(SC_BRANCH));
        branch->Label = Name(Below(m_names));
        return branch;
    }

    std::mt19937 m_engine;
    uint32_t m_names;
};

TEST(LabelIndex, AnswersAsThePlainWalk)
{
    const ListCase cases[] = {{1, 0, 2}, {2, 1, 1}, {3, 2, 1}, {4, 9, 2}, {5, 30, 3}, {6, 60, 12}, {7, 200, 40}};
    std::map<std::pair<int, int>, int> seen;  // (mode, answer) over every list
    for (const ListCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "seed " << c.seed);
        FlowList flow(c);
        const std::vector<int> walked = flow.Answers(false);
        const std::vector<int> walkedBackwards = flow.Answers(true);
        const CStepchainData::CheckScope outer(flow.list);
        const CStepchainData::CheckScope inner(flow.list);
        EXPECT_EQ(flow.Answers(false), walked);
        EXPECT_EQ(flow.Answers(true), walkedBackwards);
        for (size_t row = 0; row < flow.list.GetCount(); ++row) {
            IStepchain* action = flow.list.GetAt(row);
            const int mode = action->GetActionType() == SC_BRANCH ? 1 : 2;
            ++seen[{mode, flow.list.CheckAction(action, mode)}];
        }
    }
    // Duplicate and single labels, targets below, missing and above.
    for (const auto& outcome : {std::pair{2, -1}, {2, 0}, {1, 0}, {1, 1}, {1, 2}})
        EXPECT_GT(seen[outcome], 0) << "mode " << outcome.first << " answer " << outcome.second;
}

IStepchain* AddLabel(CStepchainData& list, const std::string& name)
{
    auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
    label->m_name = name;
    list.AddSC(label);
    return label;
}

TEST(LabelIndex, RowsAddedInsideAScopeAreSeen)
{
    CStepchainData list;
    IStepchain* first = AddLabel(list, "A");
    const CStepchainData::CheckScope scope(list);
    EXPECT_EQ(list.CheckAction(first, 2), 0);
    AddLabel(list, "A");
    EXPECT_EQ(list.CheckAction(first, 2), -1);
    EXPECT_EQ(list.IsInvalid(), 1);
}

}
