#include "actions/CSCActionLink.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCString.h"
#include "tools/ListBuilder.h"
#include "tools/ToolFixture.h"

namespace {

// An invalid row says why under it; a warning is a row of its own, and
// leaves the exit code alone when no row is invalid.
TEST_F(Tool, CheckSaysWhyUnderTheRowAndWarnsAfterIt)
{
    const fs::path list = File("list.stepchain", Stored([](CStepchainData& l) {
                                   SetValue(l, "", "");
                                   Label(l, "Exit");
                                   auto& text = Add<CSCString>(l, SC_STRING);
                                   text.Target.m_name = "TXT1";
                                   text.Operation = CSCString::OP_SET_TEXT;
                                   text.Text = "A\nB";
                                   SetValue(l, "W0", "GO\r");
                               }));
    const Result check = Run("check " + list.string());
    EXPECT_EQ(check.code, 1);
    const std::string at = list.string() + ": row ";
    EXPECT_EQ(check.out, at + "1: 値セット: !入力にエラーがあります\n"
                              "  - the destination is empty / 代入先が未入力です\n"
                              "  - the value to set is empty / セット値が未入力です\n" +
                             at + "2: warning: ラベル: the label 'Exit' is the same as the exit label "
                                  "_[NAME]_[EVENT]_Exit that ends the event's code / "
                                  "ラベル'Exit'はイベントの終了ラベル_[NAME]_[EVENT]_Exitと同じです\n" +
                             at + "3: warning: 文字列操作: the literal text holds a line break, which splits its "
                                  "script line / 文字指定に改行が含まれ、スクリプトの行が分かれます\n" +
                             at + "4: warning: 値セット: the value to set holds a line break, which splits its "
                                  "script line / セット値に改行が含まれ、スクリプトの行が分かれます\n");
    const fs::path warned = File("warned.stepchain", Stored([](CStepchainData& l) { Label(l, "Exit"); }));
    EXPECT_EQ(Run("check " + warned.string()).code, 0);
}

TEST_F(Tool, DiffShowsRowsAddedRemovedMovedAndChanged)
{
    const fs::path a = File("a.stepchain", Stored([](CStepchainData& l) {
                                SetValue(l, "W0", "1");
                                Label(l, "A");
                                SetValue(l, "W2", "3");
                                Label(l, "B");
                            }));
    const fs::path b = File("b.stepchain", Stored([](CStepchainData& l) {
                                Label(l, "A");
                                SetValue(l, "W0", "1");
                                SetValue(l, "W2", "3");
                                Label(l, "完了");
                                l.AddSC(l.CreateSC(SC_REFSH));
                            }));
    const Result result = Run("diff " + a.string() + " " + b.string());
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, "moved A1 → B2: 値セット: W0へ1を書込み\n"
                          "changed A4 → B4: ラベル\n  - 分岐先ラベル:'B'\n  + 分岐先ラベル:'完了'\n"
                          "added B5: 描画更新\n");
    EXPECT_TRUE(Run("diff " + b.string() + " " + a.string()).out.ends_with("removed A5: 描画更新\n"));
    const Result same = Run("diff - " + a.string(), ReadFile(a));
    EXPECT_EQ(same.code, 0);
    EXPECT_EQ(same.out, "");
}

// Lists that differ throughout are paired up as well as a bounded search
// finds, and the output says so.
TEST_F(Tool, DiffSaysWhenRowsMayNotBePairedUpBest)
{
    const fs::path a = File("a.stepchain", Stored([](CStepchainData& l) {
                                for (int row = 0; row < 600; ++row)
                                    Label(l, "A" + std::to_string(row));
                            }));
    const fs::path b = File("b.stepchain", Stored([](CStepchainData& l) {
                                for (int row = 0; row < 600; ++row)
                                    l.AddSC(l.CreateSC(SC_REFSH));
                            }));
    const Result result = Run("diff " + a.string() + " " + b.string());
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.out.starts_with("note: the lists differ in too many rows to pair them all up; some rows shown "
                                       "as removed and added may be equal, moved or changed ones\nremoved A1: ラベル: "))
        << result.out.substr(0, 300);
}

// Two lists that name W0 and one that does not: a dry run tells each change
// and writes nothing; in place writes the lists that change, and only them.
TEST_F(Tool, RenameTellsAndWritesTheListsThatChange)
{
    const fs::path first = File("first.stepchain", Stored([](CStepchainData& l) { SetValue(l, "W0", "1"); }));
    const fs::path second = File("second.stepchain", Stored([](CStepchainData& l) {
                                     Label(l, "A");
                                     SetValue(l, "W1", "W0");
                                 }));
    const fs::path other = File("other.stepchain", Stored([](CStepchainData& l) { SetValue(l, "W10", "W1"); }));
    const std::string lists = first.string() + " " + second.string() + " " + other.string();
    const std::string before = ReadFile(first);
    const Result dry = Run("rename W0 W9 " + lists + " --dry-run");
    EXPECT_EQ(dry.code, 0);
    EXPECT_EQ(dry.out, first.string() + ": row 1: 値セット: 'W0' → 'W9'\n" + second.string() +
                           ": row 2: 値セット: 'W0' → 'W9'\n2 of 3 lists would change; nothing written\n");
    EXPECT_EQ(ReadFile(first), before);

    const auto untouched = fs::last_write_time(other);
    const std::string otherBytes = ReadFile(other);
    const Result result = Run("rename W0 W9 " + lists + " --in-place");
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.out.ends_with("\n2 of 3 lists changed and written\n")) << result.out;
    EXPECT_EQ(ReadFile(first), Stored([](CStepchainData& l) { SetValue(l, "W9", "1"); }));
    EXPECT_EQ(ReadFile(second), Stored([](CStepchainData& l) {
                  Label(l, "A");
                  SetValue(l, "W1", "W9");
              }));
    EXPECT_EQ(ReadFile(other), otherBytes);
    EXPECT_EQ(fs::last_write_time(other), untouched);
}

// A device prefix renames every name on the device, links included.
TEST_F(Tool, RenameOfADeviceReachesLinksAndHiddenSettings)
{
    const fs::path device = File("device.stepchain", Stored([](CStepchainData& l) {
                                     SetValue(l, "PLC1.D0", "5");
                                     Add<CSCActionLink>(l, SC_ACTIONLINK).m_target = "PLC1!Btn1!Push";
                                     auto& keypad = Add<CSCKeypad>(l, SC_KEYPAD);
                                     keypad.UseActLink = 1;
                                     keypad.ActLink = "PLC1";
                                 }));
    const std::string at = device.string() + ": row ";
    EXPECT_EQ(Run("rename '*PLC1' PLC2 " + device.string() + " --dry-run").out,
              at + "1: 値セット: 'PLC1.D0' → 'PLC2.D0'\n" + at +
                  "2: アクションリンク: アクションリンクの設定:'PLC1!Btn1' → アクションリンクの設定:'PLC2!Btn1'\n" + at +
                  "3: キーパッド呼出: settings not shown in the caption changed\n"
                  "1 of 1 list would change; nothing written\n");
}

}
