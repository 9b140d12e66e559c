#include <gtest/gtest.h>

#include "actions/CSCActionLink.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

TEST(ActionLink, ScriptAndCaptionTakeTheirPartsOfTheTarget)
{
    const struct {
        const char* target;
        const char* routine;
        const char* caption;  // UTF-8
    } cases[] = {
        {"A!B!C", "AC", "アクションリンクの設定:'A!B'"},
        {"PLC1!Btn1!Push", "PLC1Push", "アクションリンクの設定:'PLC1!Btn1'"},
        {"A!C", "AC", "アクションリンクの設定:'A'"},
        {"!B", "B", "アクションリンクの設定:''"},
        {"X", "X", "アクションリンクの設定:''"},
        {"", "", "!入力にエラーがあります"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        CSCActionLink link(nullptr);
        link.m_target = c.target;
        const std::string script = "\tVALSET _MODE_ACTION_LINK #1\n\tSUB " + std::string(c.routine) +
                                   "\n\tVALSET _MODE_ACTION_LINK #0\n";
        EXPECT_EQ(link.ExportStr("[NAME]_0_", nullptr), script);
        EXPECT_EQ(link.ExportStr("INITIAL", nullptr), script);
        EXPECT_EQ(link.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(link.GetCaption(), Sj(c.caption));
        EXPECT_EQ(link.IsInvalid(), *c.target == '\0' ? 1 : 0);
    }
}

TEST(ActionLink, LoadingLetsTheHostTranslateTheTarget)
{
    CSCActionLink link(nullptr);
    link.m_target = "A!B!C";
    link.m_savedTarget = "not archived";
    CArchive out;
    link.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), "05 41 21 42 21 43");

    FakeHost host;
    CSCActionLink loaded(nullptr);
    CArchive in(out.GetStored());
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_target, "A!B!C");
    EXPECT_EQ(loaded.m_savedTarget, "");
    EXPECT_EQ(host.Count(hostmsg::TRANSLATE_LINK), 1);

    host.translateLink = [](std::string& text) { text = "Z!" + text; };
    CArchive again(out.GetStored());
    loaded.Serialize(again);
    EXPECT_EQ(loaded.m_target, "Z!A!B!C");
}

TEST(ActionLink, DeviceRenameRemovalAndRestore)
{
    const struct {
        const char* target;
        const char* saved;
        const char* oldName;
        const char* newName;
        const char* targetAfter;
        const char* savedAfter;
    } cases[] = {
        {"PLC1!Btn1!Push", "", "*PLC1", "PLC2", "PLC2!Btn1!Push", ""},
        {"PLC1!Btn1!Push", "", "*PLC1.", "PLC2.", "PLC2!Btn1!Push", ""},
        // Only the device part is renamed, not names that contain it.
        {"PLC1!PLC1Btn!PLC1Push", "", "*PLC1", "PLC2", "PLC2!PLC1Btn!PLC1Push", ""},
        {"!PLC1!Btn1", "", "*PLC1", "PLC2", "!PLC2!Btn1", ""},
        {"PLC10!Btn1!Push", "", "*PLC1", "PLC2", "PLC10!Btn1!Push", ""},
        {"PLC1!Btn1!Push", "", "*PLC3", "PLC2", "PLC1!Btn1!Push", ""},
        {"PLC1!Btn1!Push", "", "*PLC1", "", "", "PLC1!Btn1!Push"},
        {"", "PLC1!Btn1!Push", "*.", "PLC1", "PLC1!Btn1!Push", ""},
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
    EXPECT_TRUE(copy.CompareProperties(&list));
    copy.MemSync("*.", "PLC1");
    EXPECT_EQ(static_cast<CSCActionLink*>(copy.GetAt(0))->m_target, "PLC1!Btn1!Push");
    EXPECT_FALSE(copy.CompareProperties(&list));
}

TEST(ActionLink, MergeLimit)
{
    CSCActionLink link(nullptr);
    for (const auto& [limit, kept] : {std::pair<DWORD, BOOL>{0x00, 1}, {0x02, 0}, {0x80, 0}, {0x82, 0}, {0x0A, 1},
                                      {0x88, 1}, {0x75, 1}}) {
        EXPECT_EQ(link.MergeLimit(limit), kept) << limit;
    }
}
