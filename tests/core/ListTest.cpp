#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"
#include "support/TestActions.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// Rows of two operands; a first name written "~M1" is literal text.
std::vector<TestAction*> AddNodes(CStepchainData& list, const Rows& rows)
{
    std::vector<TestAction*> added;
    for (const auto& [first, second] : rows) {
        auto* action = new TestAction();
        action->m_first.m_name = first.starts_with("~") ? first.substr(1) : first;
        action->m_first.m_kind = first.starts_with("~") ? CVXMemNode::KIND_LITERAL_TEXT : CVXMemNode::KIND_MEMORY;
        action->m_second.m_name = second;
        list.AddSC(action);
        added.push_back(action);
    }
    return added;
}

// The operand names again, with the hook's calls after "@".
std::string Names(const std::vector<TestAction*>& rows)
{
    std::string out;
    for (const TestAction* row : rows) {
        out += (out.empty() ? "" : "|") + row->m_first.m_name + " " + row->m_second.m_name;
        for (const std::string& call : row->hookCalls)
            out += " @" + call;
    }
    return out;
}

// Without a user interface only the kinds that need no dialog say OK.
TEST(List, CreatesOnlyKnownTypesCountsThemAndEditsNothingWithoutAUserInterface)
{
    CStepchainData list;
    EXPECT_EQ(list.CreateSC(16), nullptr);
    EXPECT_EQ(list.CreateSC(-1), nullptr);
    EXPECT_EQ(list.GetCaption(), Sj("(未設定)"));
    for (int type : {SC_REFSH, SC_PAGEJUMP, SC_ACTIONEXIT})
        list.AddSC(list.CreateSC(type));
    EXPECT_EQ(list.GetCaption(), Sj("(3件設定済)"));
    EXPECT_EQ(list.Edit(nullptr, 0, "key"), IDCANCEL);
    EXPECT_EQ(list.GetAt(2)->Edit(nullptr, 0) * 10 + list.GetAt(1)->Edit(nullptr, 0), IDOK * 10 + IDCANCEL);
}

// Copying and comparing whole lists also runs over random lists elsewhere;
// these are the cases those rarely meet.
TEST(List, CopyCompareAndOwner)
{
    FakeObject owner("Btn1");
    FakeObject selection("Sel", "SELECT");
    CStepchainData source;
    source.AddSC(Make(source, SC_LABEL, "m_name=A"));
    source.AddSC(source.CreateSC(SC_ACTIONEXIT));
    CStepchainData copy;
    // A selection never becomes the owner; neither does nothing.
    copy.SetOwnerObj(&owner);
    copy.SetOwnerObj(&selection);
    copy.SetOwnerObj(nullptr);
    copy.CopyPropertiesFrom(&source);
    copy.CopyPropertiesFrom(&copy);
    ASSERT_EQ(copy.GetCount(), 2u);
    EXPECT_EQ(copy.GetOwnerObj(), &owner);
    // A prefix is not equal, nor is another kind at the same row.
    delete copy.GetActions().back();
    copy.GetActions().pop_back();
    EXPECT_EQ(copy.CompareProperties(&source) + source.CompareProperties(&copy), 0);
    copy.AddSC(copy.CreateSC(SC_REFSH));
    EXPECT_EQ(copy.CompareProperties(&source), 0);
}

TEST(List, MergeLimitDropsWhatTheLimitWordForbids)
{
    // Each kind once in type-id order, then redraw, end, redraw; the type ids left, in hexadecimal.
    const std::pair<DWORD, const char*> cases[] = {
        {0x01, "0123456789ABCDEFBFB"}, {0x02, "123478ABCDEFBFB"},    {0x04, "0123456789ACDE"},
        {0x10, "012356789ABCDEFBFB"},  {0x20, "012456789BCDEFBFB"},  {0x80, "012345678ABCDEFBFB"},
        {0xFFFFFFFF, "12789CDE"},      {0xFFFFFFF7, "1278CDE"}};
    for (const auto& [limit, kept] : cases) {
        CStepchainData list;
        for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 11, 15, 11})
            list.AddSC(list.CreateSC(type));
        auto* calc = static_cast<CSCCalc*>(list.GetAt(2));
        auto* clock = static_cast<CSCCalcTime*>(list.GetAt(3));
        calc->AutoRepeat = calc->Accelerate = calc->Beep = clock->AutoRepeat = clock->Accelerate = clock->Beep = 1;
        list.SetLimit(limit);
        list.MergeLimit();
        std::string after;
        for (IStepchain* action : list.GetActions())
            after += "0123456789ABCDEF"[action->GetActionType()];
        EXPECT_EQ(after, kept) << std::hex << limit;
        // Bit 0x01 stops the repeating, and leaves the beep.
        const DWORD on = (limit & 0x01) != 0 ? 0 : 1;
        if (after.find('2') != std::string::npos)
            EXPECT_EQ(calc->AutoRepeat * 100 + calc->Accelerate * 10 + calc->Beep, on * 110 + 1) << std::hex << limit;
        if (after.find('3') != std::string::npos)
            EXPECT_EQ(clock->AutoRepeat * 100 + clock->Accelerate * 10 + clock->Beep, on * 110 + 1) << std::hex << limit;
    }
}

TEST(List, MemSyncRenamesWholeNamesAndLeadingDeviceNames)
{
    // Rows, old name, new name, the result and the rows after.
    const std::tuple<Rows, const char*, const char*, int, const char*> cases[] = {
        {{{"M1", "M10"}, {"~M1", ""}, {"X", "M1"}}, "M1", "M2", 1, "M2 M10|M1 |X M2"},
        {{{"M1", ""}}, "NONE", "M3", 0, "M1 "},
        {{{"PLC1.D0", "PLC10.D0"}, {"PLC1.%SER%D0", "W_PLC1.D0"}, {"PLC1.PLC1", ""}}, "*PLC1", "PLC2", 0,
         "PLC2.D0 PLC10.D0 @*PLC1>PLC2|PLC1.%SER%D0 W_PLC1.D0 @*PLC1>PLC2|PLC2.PLC1  @*PLC1>PLC2"},
        // Names the host marked are renamed inside; device renames and "%SER%" names also reach each kind's hook.
        {{{"\x1A" "AB+AB", ""}}, "\x1A" "AB", "CD", 1, "\x1A" "CD+CD "},
        {{{"\x1A" "AB", ""}}, "%SER%X", "Y", 1, "\x1A" "AB  @%SER%X>Y"}};
    for (const auto& [before, from, to, result, after] : cases) {
        CStepchainData list;
        const std::vector<TestAction*> rows = AddNodes(list, before);
        EXPECT_EQ(list.MemSync(from, to), result) << from;
        EXPECT_EQ(Names(rows), after);
    }
}

TEST(List, MemSyncParksAndRestoresTheNamesOfARemovedDevice)
{
    FakeHost host;
    FakeObject owner("Btn1");
    CStepchainData list;
    list.SetOwnerObj(&owner);
    const std::vector<TestAction*> rows = AddNodes(list, {{"PLC1.D0", "PLC10.D0"}, {"W0", "PLC1.D5"}});
    EXPECT_EQ(list.MemSync("*PLC1", ""), 0);
    EXPECT_EQ(Names(rows), " PLC10.D0 @*PLC1>|W0  @*PLC1>");
    EXPECT_EQ(rows[0]->m_first.m_text2, "PLC1.D0");
    EXPECT_EQ(host.nodesCleared, (std::vector<IPWObject*>{&owner, &owner}));
    list.MemSync("*.", "anything");
    EXPECT_EQ(Names(rows), "PLC1.D0 PLC10.D0 @*PLC1> @*.>anything|W0 PLC1.D5 @*PLC1> @*.>anything");
    EXPECT_EQ(rows[0]->m_first.m_text2, "");
}

// The label checks inside a CheckScope against the plain walk over the list.
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
}

}
