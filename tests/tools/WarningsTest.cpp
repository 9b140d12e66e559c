#include <gtest/gtest.h>

#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "support/FakeHost.h"
#include "tools/ListBuilder.h"
#include "tools/Warnings.h"

namespace {

// Rows of the auto-repeating kinds: the kind and its AutoRepeat.
void Repeating(CStepchainData& list, std::initializer_list<std::pair<int, DWORD>> rows)
{
    for (const auto& [type, autoRepeat] : rows) {
        if (type == SC_CALC)
            Add<CSCCalc>(list, type).AutoRepeat = autoRepeat;
        else
            Add<CSCCalcTime>(list, type).AutoRepeat = autoRepeat;
    }
}

const std::string kSecondRepeat = ": auto-repeat here and in row 1: both define the end label [NAME]_[EVENT]_End (the "
                                  "model repeats in a blocking loop)";

// The panel model, the list, and its warnings as "ROW: English", rows from 1.
const std::tuple<const char*, std::function<void(CStepchainData&)>, std::vector<std::string>> kCases[] = {
    // The exit label is matched case by case.
    {"", [](CStepchainData& l) { Label(l, "exit"); }, {}},
    {"GP-100",
     [](CStepchainData& l) { Repeating(l, {{SC_CALC, 1}, {SC_CALC, 0}, {SC_CALCTIME, 2}, {SC_CALCTIME, 1}, {SC_CALC, 1}}); },
     {"4" + kSecondRepeat, "5" + kSecondRepeat}},
    // Which texts reach the script is the actions' own: one field stands for them all.
    {"", [](CStepchainData& l) { SetValue(l, "W0\r", std::string("5\0\n", 3)); },
     {"1: the destination holds a line break, which splits its script line",
      "1: the value to set holds a line break, which splits its script line",
      "1: the value to set holds a zero byte, which ends the script there"}},
};

TEST(ListWarnings, FindWhatWouldBreakTheScript)
{
    for (const auto& [model, build, expected] : kCases) {
        FakeHost host;
        host.settings.ModelName = model;
        CStepchainData list;
        build(list);
        std::vector<std::string> found;
        for (const Warning& warning : ListWarnings(list)) {
            EXPECT_FALSE(warning.text.japanese.empty());
            found.push_back(std::to_string(warning.row + 1) + ": " + warning.text.english);
        }
        EXPECT_EQ(found, expected);
    }
}

}
