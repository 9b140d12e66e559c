#include <gtest/gtest.h>

#include <functional>

#include "actions/CSCCalc.h"
#include "actions/CSCComm.h"
#include "actions/CSCLabel.h"
#include "actions/CSCSetValue.h"
#include "actions/CSCString.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "tools/ToolFixture.h"

namespace {

// The stored bytes of a list that `fill` builds.
std::string Stored(const std::function<void(CStepchainData&)>& fill)
{
    CStepchainData list;
    fill(list);
    CArchive ar;
    list.Serialize(ar);
    return ar.GetStored();
}

template <typename A> A& Add(CStepchainData& list, int type)
{
    auto* action = static_cast<A*>(list.CreateSC(type));
    list.AddSC(action);
    return *action;
}

void Label(CStepchainData& list, const char* name) { Add<CSCLabel>(list, SC_LABEL).m_name = Sj(name); }

void SetValue(CStepchainData& list, const char* dest, const char* source)
{
    auto& set = Add<CSCSetValue>(list, SC_SETVALUE);
    set.Dest.m_name = dest;
    set.Source.m_name = source;
}

void Repeating(CStepchainData& list)
{
    auto& calc = Add<CSCCalc>(list, SC_CALC);
    calc.Dest.m_name = "W0";
    calc.Delta.m_name = "1";
    calc.AutoRepeat = 1;
}

TEST_F(Tool, CheckSaysWhyUnderTheRowAndWarnsAfterIt)
{
    const fs::path list = File("list.stepchain", Stored([](CStepchainData& l) {
                                   SetValue(l, "", "");
                                   Label(l, "Exit");
                                   auto& text = Add<CSCString>(l, SC_STRING);
                                   text.Target.m_name = "TXT1";
                                   text.Operation = CSCString::OP_SET_TEXT;
                                   text.Text = "A\nB";
                                   Add<CSCComm>(l, SC_COMM).Content.m_name = "GO\r";
                               }));
    const Result check = Run("check " + list.string());
    EXPECT_EQ(check.code, 1);
    const std::string at = list.string() + ": row ";
    EXPECT_EQ(check.out,
              at +
                  "1: 値セット: !入力にエラーがあります\n"
                  "  - the destination is empty / 代入先が未入力です\n"
                  "  - the value to set is empty / セット値が未入力です\n" +
                  at +
                  "2: warning: ラベル: the label 'Exit' is the same as the exit label _[NAME]_[EVENT]_Exit that ends "
                  "the event's code / ラベル'Exit'はイベントの終了ラベル_[NAME]_[EVENT]_Exitと同じです\n" +
                  at +
                  "3: warning: 文字列操作: the literal text holds a line break, which splits its script line / "
                  "文字指定に改行が含まれ、スクリプトの行が分かれます\n" +
                  at +
                  "4: warning: 通信出力: the message holds a line break, which splits its script line / "
                  "メッセージに改行が含まれ、スクリプトの行が分かれます\n");
}

TEST_F(Tool, WarningsLeaveTheExitCodeAlone)
{
    const fs::path list = File("list.stepchain", Stored([](CStepchainData& l) {
                                   Repeating(l);
                                   Repeating(l);
                               }));
    const Result blocking = Run("check " + list.string());
    EXPECT_EQ(blocking.code, 0);
    EXPECT_EQ(blocking.out,
              list.string() +
                  ": row 2: warning: 加減算: auto-repeat here and in row 1: both define the end label "
                  "[NAME]_[EVENT]_End (the model repeats in a blocking loop) / ここと1行目のオートリピートが"
                  "、どちらも終了ラベル[NAME]_[EVENT]_Endを定義します(ループで待つ機種です)\n");
    const fs::path host = File("host.json", R"({"settings": {"model": "CAVO-7"}})");
    const Result periodic = Run("check " + list.string() + " --host " + host.string());
    EXPECT_EQ(periodic.code, 0);
    EXPECT_EQ(periodic.out, "");
}

struct DiffCase {
    const char* name;
    std::function<void(CStepchainData&)> before;
    std::function<void(CStepchainData&)> after;
    int code;
    const char* out;
};

class ToolDiff : public Tool, public testing::WithParamInterface<DiffCase> {};

TEST_P(ToolDiff, ShowsTheRowsThatDiffer)
{
    const fs::path a = File("a.stepchain", Stored(GetParam().before));
    const fs::path b = File("b.stepchain", Stored(GetParam().after));
    const Result result = Run("diff " + a.string() + " " + b.string());
    EXPECT_EQ(result.code, GetParam().code);
    EXPECT_EQ(result.out, GetParam().out);
    EXPECT_EQ(result.err, "");
}

void Three(CStepchainData& l)
{
    SetValue(l, "W0", "1");
    Label(l, "A");
    SetValue(l, "W2", "3");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolDiff,
    testing::Values(DiffCase{"Equal", Three, Three, 0, ""},
                    DiffCase{"Added", Three,
                             [](CStepchainData& l) {
                                 Three(l);
                                 l.AddSC(l.CreateSC(SC_REFSH));
                             },
                             1, "added B4: 描画更新\n"},
                    DiffCase{"Removed", Three,
                             [](CStepchainData& l) {
                                 SetValue(l, "W0", "1");
                                 SetValue(l, "W2", "3");
                             },
                             1, "removed A2: ラベル: 分岐先ラベル:'A'\n"},
                    DiffCase{"Moved", Three,
                             [](CStepchainData& l) {
                                 Label(l, "A");
                                 SetValue(l, "W0", "1");
                                 SetValue(l, "W2", "3");
                             },
                             1, "moved A1 → B2: 値セット: W0へ1を書込み\n"},
                    DiffCase{"Changed", Three,
                             [](CStepchainData& l) {
                                 SetValue(l, "W0", "1");
                                 Label(l, "完了");
                                 SetValue(l, "W2", "3");
                             },
                             1, "changed A2 → B2: ラベル\n  - 分岐先ラベル:'A'\n  + 分岐先ラベル:'完了'\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Tool, DiffRefusesWhatItCannotRead)
{
    const fs::path good = File("good.stepchain", Stored(Three));
    const fs::path bad = File("bad.stepchain", Hex("02 00 0F"));
    const Result result = Run("diff " + good.string() + " " + bad.string());
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "stepchain: " + bad.string() + ": end of file while reading row 2 at byte offset 3\n");
    EXPECT_EQ(Run("diff " + good.string()).code, 2);
    EXPECT_EQ(Run("diff - " + good.string(), Stored(Three)).code, 0);
}

// Two lists that name W0 and one that does not.
class ToolRename : public Tool {
protected:
    void SetUp() override
    {
        Tool::SetUp();
        first = File("first.stepchain", Stored([](CStepchainData& l) { SetValue(l, "W0", "1"); }));
        second = File("second.stepchain", Stored([](CStepchainData& l) {
                          Label(l, "A");
                          SetValue(l, "W1", "W0");
                      }));
        other = File("other.stepchain", Stored([](CStepchainData& l) { SetValue(l, "W10", "W1"); }));
        original = {ReadFile(first), ReadFile(second), ReadFile(other)};
    }

    std::vector<std::string> Contents() { return {ReadFile(first), ReadFile(second), ReadFile(other)}; }
    std::string Lists() { return first.string() + " " + second.string() + " " + other.string(); }
    size_t FileCount() { return std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()); }

    fs::path first;
    fs::path second;
    fs::path other;
    std::vector<std::string> original;
};

TEST_F(ToolRename, DryRunTellsEachChangeAndWritesNothing)
{
    const size_t files = FileCount() + 3; // the tool's stdin, stdout and stderr
    const Result result = Run("rename W0 W9 " + Lists() + " --dry-run");
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out, first.string() + ": row 1: 値セット: 'W0' → 'W9'\n" + second.string() +
                              ": row 2: 値セット: 'W0' → 'W9'\n2 of 3 lists would change; nothing written\n");
    EXPECT_EQ(Contents(), original);
    EXPECT_EQ(FileCount(), files);
}

TEST_F(ToolRename, InPlaceWritesTheListsThatChange)
{
    const auto untouched = fs::last_write_time(other);
    const Result result = Run("rename W0 W9 " + Lists() + " --in-place");
    EXPECT_EQ(result.code, 0);
    EXPECT_EQ(result.out.substr(result.out.rfind('\n', result.out.size() - 2) + 1),
              "2 of 3 lists changed and written\n");
    EXPECT_EQ(ReadFile(first), Stored([](CStepchainData& l) { SetValue(l, "W9", "1"); }));
    EXPECT_EQ(ReadFile(second), Stored([](CStepchainData& l) {
                  Label(l, "A");
                  SetValue(l, "W1", "W9");
              }));
    EXPECT_EQ(ReadFile(other), original[2]);
    EXPECT_EQ(fs::last_write_time(other), untouched);
}

struct RefusedRename {
    const char* name;
    const char* args; // FIRST, SECOND, MISSING stand for the paths
};

class ToolRenameRefused : public ToolRename, public testing::WithParamInterface<RefusedRename> {};

TEST_P(ToolRenameRefused, WritesNothing)
{
    std::string args = GetParam().args;
    for (const auto& [word, path] : {std::pair<std::string, fs::path>{"FIRST", first},
                                     {"SECOND", second},
                                     {"MISSING", m_dir / "missing.stepchain"},
                                     {"OUT", m_dir / "out.stepchain"}}) {
        for (size_t at = args.find(word); at != std::string::npos; at = args.find(word))
            args.replace(at, word.size(), path.string());
    }
    // A readable list on standard input, so that only the refusal keeps "-" from being renamed.
    const Result result = Run("rename " + args, original[0]);
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err.rfind("stepchain: ", 0), 0u) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_EQ(Contents(), original);
    EXPECT_FALSE(fs::exists(m_dir / "out.stepchain"));
}

INSTANTIATE_TEST_SUITE_P(Cases, ToolRenameRefused,
                         testing::Values(RefusedRename{"OneListUnreadable", "W0 W9 FIRST MISSING SECOND --in-place"},
                                         RefusedRename{"StandardInputInPlace", "W0 W9 FIRST - --in-place"},
                                         RefusedRename{"NoMode", "W0 W9 FIRST SECOND"},
                                         RefusedRename{"TwoModes", "W0 W9 FIRST --in-place --dry-run"},
                                         RefusedRename{"OutputWithManyLists", "FIRST W0 W9 SECOND -o OUT"},
                                         RefusedRename{"OutputWithDryRun", "FIRST W0 W9 -o OUT --dry-run"},
                                         RefusedRename{"NoList", "W0 W9 --dry-run"},
                                         RefusedRename{"NameBeyondCp932", "W0 W€9 FIRST --in-place"}),
                         [](const auto& info) { return std::string(info.param.name); });

}
