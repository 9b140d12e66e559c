#include <gtest/gtest.h>

#include <functional>

#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCLabel.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCString.h"
#include "support/FakeHost.h"
#include "tools/Warnings.h"

namespace {

template <typename A> A& Add(CStepchainData& list, int type)
{
    auto* action = static_cast<A*>(list.CreateSC(type));
    list.AddSC(action);
    return *action;
}

void Label(CStepchainData& list, const std::string& name) { Add<CSCLabel>(list, SC_LABEL).m_name = name; }

void Repeating(CStepchainData& list, int type, DWORD autoRepeat)
{
    if (type == SC_CALC)
        Add<CSCCalc>(list, type).AutoRepeat = autoRepeat;
    else
        Add<CSCCalcTime>(list, type).AutoRepeat = autoRepeat;
}

struct WarningCase {
    const char* name;
    const char* model;
    std::function<void(CStepchainData&)> build;
    // "row: English" of each warning, rows counted from 1.
    std::vector<std::string> expected;
};

class ListWarningsTest : public testing::TestWithParam<WarningCase> {};

TEST_P(ListWarningsTest, FindsWhatWouldBreakTheScript)
{
    FakeHost host;
    host.settings.ModelName = GetParam().model;
    CStepchainData list;
    GetParam().build(list);
    std::vector<std::string> found;
    for (const Warning& warning : ListWarnings(list)) {
        EXPECT_FALSE(warning.text.japanese.empty());
        found.push_back(std::to_string(warning.row + 1) + ": " + warning.text.english);
    }
    EXPECT_EQ(found, GetParam().expected);
}

const std::string kExit =
    ": the label 'Exit' is the same as the exit label _[NAME]_[EVENT]_Exit that ends the event's code";
const std::string kSecondRepeat = ": auto-repeat here and in row 1: both define the end label [NAME]_[EVENT]_End (the "
                                  "model repeats in a blocking loop)";

std::string Broken(const std::string& field)
{
    return ": the " + field + " holds a line break, which splits its script line";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListWarningsTest,
    testing::Values(WarningCase{"LabelExit",
                                "",
                                [](CStepchainData& l) {
                                    Label(l, "Retry");
                                    Label(l, "Exit");
                                },
                                {"2" + kExit}},
                    WarningCase{"OtherCaseIsAnotherLabel", "", [](CStepchainData& l) { Label(l, "exit"); }, {}},
                    WarningCase{"TwoAddSubtractRepeating",
                                "GP-100",
                                [](CStepchainData& l) {
                                    Repeating(l, SC_CALC, 1);
                                    Repeating(l, SC_CALC, 0);
                                    Repeating(l, SC_CALC, 1);
                                },
                                {"3" + kSecondRepeat}},
                    WarningCase{"AddSubtractAndClockRepeating",
                                "",
                                [](CStepchainData& l) {
                                    Repeating(l, SC_CALC, 1);
                                    Repeating(l, SC_CALCTIME, 1);
                                    Repeating(l, SC_CALCTIME, 1);
                                },
                                {"2" + kSecondRepeat, "3" + kSecondRepeat}},
                    WarningCase{"PeriodicModelNeedsNoEndLabel",
                                "XCAVO2",
                                [](CStepchainData& l) {
                                    Repeating(l, SC_CALC, 1);
                                    Repeating(l, SC_CALCTIME, 1);
                                },
                                {}},
                    WarningCase{"RepeatOnlyWhenOne",
                                "",
                                [](CStepchainData& l) {
                                    Repeating(l, SC_CALC, 1);
                                    Repeating(l, SC_CALCTIME, 2);
                                },
                                {}},
                    WarningCase{"LiteralText",
                                "",
                                [](CStepchainData& l) {
                                    auto& append = Add<CSCString>(l, SC_STRING);
                                    append.Operation = CSCString::OP_APPEND_TEXT;
                                    append.Text = "A\nB";
                                    auto& copy = Add<CSCString>(l, SC_STRING);
                                    copy.Operation = CSCString::OP_COPY_MEMORY;
                                    copy.Text = "A\nB";
                                },
                                {"1" + Broken("literal text")}},
                    WarningCase{"Message",
                                "",
                                [](CStepchainData& l) {
                                    Add<CSCComm>(l, SC_COMM).Content.m_name = "A\rB";
                                    auto& memory = Add<CSCComm>(l, SC_COMM);
                                    memory.ContentKind = CSCComm::CONTENT_MEMORY;
                                    memory.Content.m_name = "A\nB";
                                },
                                {"1" + Broken("message")}},
                    WarningCase{"KeypadMessageAndLink",
                                "",
                                [](CStepchainData& l) {
                                    auto& unused = Add<CSCKeypad>(l, SC_KEYPAD);
                                    unused.Message = "A\nB";
                                    unused.ActLink = "A\n!B";
                                    auto& used = Add<CSCKeypad>(l, SC_KEYPAD);
                                    used.UseMessage = 1;
                                    used.Message = "A\nB";
                                    used.UseActLink = 1;
                                    used.ActLink = "P!B\n!E";
                                },
                                {"2" + Broken("message on confirming")}},
                    WarningCase{"NamesInScriptLines",
                                "",
                                [](CStepchainData& l) {
                                    Add<CSCPassPage>(l, SC_PASSPAGE).m_password = "12\n34";
                                    Add<CSCCall>(l, SC_CALL).m_routine = "IN\nIT";
                                    Add<CSCCall>(l, SC_CALL).m_routine = "INIT:start\nup";
                                    Add<CSCActionLink>(l, SC_ACTIONLINK).m_target = "P!B!E\n";
                                    Add<CSCBranch>(l, SC_BRANCH).Label = "A\n";
                                    Label(l, "A\n");
                                },
                                {"1" + Broken("password"), "2" + Broken("subroutine name"), "4" + Broken("action link"),
                                 "5" + Broken("target label"), "6" + Broken("label name")}}),
    [](const auto& info) { return std::string(info.param.name); });

}
