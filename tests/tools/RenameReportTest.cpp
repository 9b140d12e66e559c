#include <gtest/gtest.h>

#include <functional>

#include "actions/CSCActionLink.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCSetValue.h"
#include "core/CStepchainData.h"
#include "tools/RenameReport.h"

namespace {

struct RenameCase {
    const char* name;
    std::function<void(CStepchainData&)> fill;
    const char* oldName;
    const char* newName;
    // "row: KIND: change", rows from 1.
    std::vector<std::string> expected;
};

void SetValue(CStepchainData& list, const char* dest, const char* source)
{
    auto* set = static_cast<CSCSetValue*>(list.CreateSC(SC_SETVALUE));
    set->Dest.m_name = dest;
    set->Source.m_name = source;
    list.AddSC(set);
}

class RenameReportCases : public testing::TestWithParam<RenameCase> {};

TEST_P(RenameReportCases, TellsEachChange)
{
    CStepchainData list;
    GetParam().fill(list);
    std::vector<std::string> found;
    for (const RenamedRow& change : RenameAndReport(list, GetParam().oldName, GetParam().newName))
        found.push_back(std::to_string(change.row + 1) + ": " + change.kind + ": " + change.change);
    EXPECT_EQ(found, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RenameReportCases,
    testing::Values(
        RenameCase{"Operands",
                   [](CStepchainData& l) {
                       SetValue(l, "W1", "W10");
                       SetValue(l, "W0", "W0");
                   },
                   "W0",
                   "W9",
                   {"2: 値セット: 'W0' → 'W9'", "2: 値セット: 'W0' → 'W9'"}},
        RenameCase{"NoMatch", [](CStepchainData& l) { SetValue(l, "W1", "W10"); }, "W0", "W9", {}},
        RenameCase{"DeviceRemoved",
                   [](CStepchainData& l) { SetValue(l, "PLC1.D0", "5"); },
                   "*PLC1",
                   "",
                   {"1: 値セット: 'PLC1.D0' → ''"}},
        RenameCase{"LinkCaption",
                   [](CStepchainData& l) {
                       auto* link = static_cast<CSCActionLink*>(l.CreateSC(SC_ACTIONLINK));
                       link->m_target = "PLC1!Btn1!Push";
                       l.AddSC(link);
                   },
                   "*PLC1",
                   "PLC2",
                   {"1: アクションリンク: アクションリンクの設定:'PLC1!Btn1' → アクションリンクの設定:'PLC2!Btn1'"}},
        RenameCase{"SettingsOutOfSight",
                   [](CStepchainData& l) {
                       auto* keypad = static_cast<CSCKeypad*>(l.CreateSC(SC_KEYPAD));
                       keypad->UseActLink = 1;
                       keypad->ActLink = "PLC1";
                       l.AddSC(keypad);
                   },
                   "*PLC1",
                   "PLC2",
                   {"1: キーパッド呼出: settings not shown in the caption changed"}}),
    [](const auto& info) { return std::string(info.param.name); });

}
