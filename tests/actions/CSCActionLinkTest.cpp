#include <gtest/gtest.h>

#include "actions/CSCActionLink.h"
#include "core/CStepchainData.h"
#include "support/ActionRoundTrip.h"
#include "support/FakeHost.h"

TEST(ActionLink, ScriptAndCaptionTakeTheirPartsOfTheTarget)
{
    const struct { const char *target, *routine, *shown; } cases[] = {
        {"PLC1!Btn1!Push", "PLC1Push", "PLC1!Btn1"}, {"!B", "B", ""}, {"X", "X", ""}, {"", "", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        CSCActionLink link(nullptr);
        link.m_target = c.target;
        const std::string script =
            "\tVALSET _MODE_ACTION_LINK #1\n\tSUB " + std::string(c.routine) + "\n\tVALSET _MODE_ACTION_LINK #0\n";
        EXPECT_EQ(link.ExportStr("[NAME]_0_", nullptr), script);
        EXPECT_EQ(link.ExportStr("INITIAL", nullptr), script);
        EXPECT_EQ(link.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(link.GetCaption(),
                  c.shown ? Sj("アクションリンクの設定:'") + c.shown + "'" : Sj("!入力にエラーがあります"));
    }
}

TEST(ActionLink, LoadingLetsTheHostTranslateTheTarget)
{
    FakeHost host;
    CSCActionLink link(nullptr);
    link.m_target = "A!B!C";
    link.m_savedTarget = "not archived";
    CSCActionLink loaded(nullptr);
    ExpectRoundTrip(link, loaded, "05 41 21 42 21 43");
    EXPECT_EQ(loaded.m_savedTarget, "");
    host.translateLink = [](std::string& text) { text = "Z!" + text; };
    CArchive in(Hex("05 41 21 42 21 43"));
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_target, "Z!A!B!C");
}

TEST(ActionLink, DeviceRenameRemovalAndRestore)
{
    const struct { const char *target, *saved, *oldName, *newName, *targetAfter, *savedAfter; } cases[] = {
        {"PLC1!Btn1!Push", "", "*PLC1.", "PLC2.", "PLC2!Btn1!Push", ""},
        // Only the device part is renamed, not names that contain it.
        {"PLC1!PLC1Btn!PLC1Push", "", "*PLC1", "PLC2", "PLC2!PLC1Btn!PLC1Push", ""},
        {"PLC10!Btn1!Push", "", "*PLC1", "PLC2", "PLC10!Btn1!Push", ""},
        {"", "PLC1!Btn1!Push", "*.", "PLC2", "", "PLC1!Btn1!Push"},
        // Removing a nameless device keeps a target put aside before.
        {"", "PLC1!Btn1!Push", "*", "", "", "PLC1!Btn1!Push"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.target << " " << c.oldName << " " << c.newName);
        CSCActionLink link(nullptr);
        link.m_target = c.target;
        link.m_savedTarget = c.saved;
        link.MemSync(c.oldName, c.newName);
        EXPECT_EQ(link.m_target, c.targetAfter);
        EXPECT_EQ(link.m_savedTarget, c.savedAfter);
    }
}

TEST(ActionLink, ListBringsTheTargetBackAfterItsDeviceReturns)
{
    CStepchainData list;
    auto* link = static_cast<CSCActionLink*>(list.CreateSC(SC_ACTIONLINK));
    list.AddSC(link);
    link->m_target = "PLC1!Btn1!Push";
    list.MemSync("*PLC1", "");
    EXPECT_EQ(list.IsInvalid(), 1);
    CStepchainData copy;
    copy.CopyPropertiesFrom(&list);
    copy.MemSync("*.", "PLC1");
    EXPECT_EQ(static_cast<CSCActionLink*>(copy.GetAt(0))->m_target, "PLC1!Btn1!Push");
    EXPECT_FALSE(copy.CompareProperties(&list));
    std::string kept;
    for (DWORD limit : {0x00u, 0x02u, 0x80u, 0x82u, 0x0Au, 0x88u, 0x75u})
        kept += link->MergeLimit(limit) ? '1' : '0';
    EXPECT_EQ(kept, "1000111");
}
