#include <gtest/gtest.h>

#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCString.h"
#include "support/FakeHost.h"
#include "tools/ListBuilder.h"
#include "tools/Warnings.h"

namespace {

void Repeating(CStepchainData& list, int type, DWORD autoRepeat)
{
    if (type == SC_CALC)
        Add<CSCCalc>(list, type).AutoRepeat = autoRepeat;
    else
        Add<CSCCalcTime>(list, type).AutoRepeat = autoRepeat;
}

const std::string kSecondRepeat = ": auto-repeat here and in row 1: both define the end label [NAME]_[EVENT]_End (the "
                                  "model repeats in a blocking loop)";

std::string Broken(const std::string& field) { return ": the " + field + " holds a line break, which splits its script line"; }

// Rows "ROW: English", rows from 1.
const struct {
    const char* name;
    const char* model;
    std::function<void(CStepchainData&)> build;
    std::vector<std::string> expected;
} kCases[] = {
    {"ExitIsCaseSensitive", "", [](CStepchainData& l) { Label(l, "exit"); }, {}},
    {"EveryLaterRepeat", "GP-100",
        [](CStepchainData& l) {
            Repeating(l, SC_CALC, 1);
            Repeating(l, SC_CALC, 0);
            Repeating(l, SC_CALCTIME, 2);
            Repeating(l, SC_CALCTIME, 1);
            Repeating(l, SC_CALC, 1);
        },
        {"4" + kSecondRepeat, "5" + kSecondRepeat}},
    {"OnlyTextsThatReachTheScript", "",
        [](CStepchainData& l) {
            auto& copy = Add<CSCString>(l, SC_STRING);
            copy.Operation = CSCString::OP_COPY_MEMORY;
            copy.Text = "A\nB";
            auto& range = Add<CSCCalc>(l, SC_CALC);
            range.Upper.m_name = "A\nB";
            auto& quiet = Add<CSCKeypad>(l, SC_KEYPAD);
            quiet.Message = "A\nB";
            quiet.ActLink = "A\n!B";
            Add<CSCCall>(l, SC_CALL).m_routine = "INIT:start\nup";
            Add<CSCActionLink>(l, SC_ACTIONLINK).m_target = "P!B\n!E";
        },
        {}},
    {"TextsInScriptLines", "",
        [](CStepchainData& l) {
            Add<CSCPassPage>(l, SC_PASSPAGE).m_password = "12\n34";
            Add<CSCCall>(l, SC_CALL).m_routine = "IN\nIT";
            Add<CSCActionLink>(l, SC_ACTIONLINK).m_target = "P!B!E\r";
            Add<CSCBranch>(l, SC_BRANCH).Label = "A\n";
            Label(l, "A\n");
            auto& keypad = Add<CSCKeypad>(l, SC_KEYPAD);
            keypad.UseMessage = 1;
            keypad.Message = "A\nB";
            keypad.UseActLink = 1;
            keypad.ActLink = "\nP!B!E";
            auto& memory = Add<CSCComm>(l, SC_COMM);
            memory.ContentKind = CSCComm::CONTENT_MEMORY;
            memory.Content.m_name = "A\nB";
            SetValue(l, "W0\r", std::string("5\0", 2));
        },
        {"1" + Broken("password"), "2" + Broken("subroutine name"), "3" + Broken("action link"),
         "4" + Broken("target label"), "5" + Broken("label name"), "6" + Broken("message on confirming"),
         "6" + Broken("action link"), "7" + Broken("memory whose value is sent"),
         "8" + Broken("destination"), "8: the value to set holds a zero byte, which ends the script there"}},
};

TEST(ListWarnings, FindWhatWouldBreakTheScript)
{
    for (const auto& c : kCases) {
        FakeHost host;
        host.settings.ModelName = c.model;
        CStepchainData list;
        c.build(list);
        std::vector<std::string> found;
        for (const Warning& warning : ListWarnings(list)) {
            EXPECT_FALSE(warning.text.japanese.empty());
            found.push_back(std::to_string(warning.row + 1) + ": " + warning.text.english);
        }
        EXPECT_EQ(found, c.expected) << c.name;
    }
}

}
