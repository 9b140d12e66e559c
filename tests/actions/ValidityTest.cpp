#include <gtest/gtest.h>

#include "actions/CSCAction.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"

namespace {

std::vector<std::string> Lines(IStepchain* action)
{
    std::vector<std::string> lines;
    for (const InvalidReason& reason : CSCAction::AsAction(action)->GetInvalidReasons())
        lines.push_back(reason.english + " / " + reason.japanese);
    return lines;
}

TEST(Validity, EveryCheckOfEveryKind)
{
    // A new action of the kind with the settings, and the IsInvalid code they give. The
    // captions' table meets the checks that the rows here leave out.
    const std::tuple<int, const char*, int> cases[] = {
        {SC_PAGEJUMP, "m_mode=2", 1}, {SC_PAGEJUMP, "m_mode=3", 1}, {SC_PAGEJUMP, "", 1},
        {SC_PAGEJUMP, "m_mode=0x000A0001", 0}, {SC_PAGEJUMP, "m_mode=0x000B0001", 2},
        {SC_SETVALUE, "Dest=W0", 1}, {SC_SETVALUE, "Source=5", 1},
        {SC_CALC, "Dest=W0|Delta=1|RangeCheck=2", 0}, {SC_CALC, "Dest=W0", 1}, {SC_CALC, "Delta=1", 1},
        {SC_CALC, "Dest=W0|Delta=1|RangeCheck=1|Upper=9", 1}, {SC_CALC, "Dest=W0|Delta=1|RangeCheck=1|Lower=0", 1},
        {SC_CALCTIME, "Hour=H|Minute=M|Delta=5|TimeLimit=2", 0}, {SC_CALCTIME, "Hour=H|Minute=M", 1},
        {SC_CALCTIME, "Hour=H|Delta=5", 1}, {SC_CALCTIME, "Minute=M|Delta=5", 1},
        {SC_CALCTIME, "Hour=H|Minute=M|Delta=5|TimeLimit=1|LimitHour=23", 1},
        {SC_CALCTIME, "Hour=H|Minute=M|Delta=5|TimeLimit=1|LimitMinute=59", 1},
        {SC_COMM, "ContentKind=1", 1}, {SC_COMM, "ContentKind=3", 1}, {SC_COMM, "ContentKind=3|Content=W0", 0},
        {SC_PASSPAGE, "m_jumpPage=-1|m_keypadPage=-1", 0}, {SC_PASSPAGE, "m_jumpPage=1", 1},
        {SC_KEYPAD, "Dest=W0|KeyPage=3|RangeCheck=-1|RangeMax=9", 1}, {SC_KEYPAD, "Dest=W0|KeyPage=3|RangeCheck=1|RangeMin=0", 1},
        {SC_KEYPAD, "Dest=W0|KeyPage=3|RangeCheck=1|RangeMax=9|RangeMin=0", 0}, {SC_KEYPAD, "Dest=W0", 1},
        {SC_KEYPAD, "Dest=[TEXT]|KeyPage=3", 1},
        {SC_OPE, "Result=W0|Left=1|Right=2|Operator=5", 1}, {SC_OPE, "Result=W0|Left=1|Right=2", 1},
        {SC_OPE, "Result=W0|Left=1|Operator=0", 1}, {SC_OPE, "Result=W0|Right=2|Operator=0", 1},
        {SC_OPE, "Left=1|Right=2|Operator=0", 1},
        {SC_STRING, "Target=[TEXT]|Operation=6", 1}, {SC_STRING, "Target=T|Operation=3", 1},
        {SC_STRING, "Target=T|Operation=5|Source=W0|Source.aux=0", 1},
        {SC_STRING, "Target=T|Operation=5|Source=W0|Source.aux=0x65", 0},
        {SC_STRING, "Target=T|Operation=5|Source=W0|Source.aux=0x66", 1},
        {SC_SETGRAPHMEM, "GraphMem=G|Position=1", 1}, {SC_SETGRAPHMEM, "Position=1|Value=5", 1},
    };
    FakeHost host;
    host.layers = true;
    CStepchainData list;
    for (const auto& [type, settings, code] : cases) {
        std::unique_ptr<IStepchain> action(Make(list, type, settings));
        EXPECT_EQ(action->IsInvalid(), code) << "kind " << type << ": " << settings;
    }
}

TEST(Reasons, SayWhatIsWrong)
{
    // The rows (kind and settings), and the reasons of the last one as "English / 日本語".
    const std::pair<std::vector<std::pair<int, const char*>>, std::vector<std::string>> cases[] = {
        {{{SC_LABEL, "m_name=A"}, {SC_LABEL, "m_name=A"}, {SC_LABEL, "m_name=A"}},
         {"the label name 'A' is used again in rows 1, 2 / ラベル名'A'は1, 2行目でも使われています"}},
        {{{SC_LABEL, "m_name=B"}, {SC_LABEL, "m_name=A"}, {SC_LABEL, "m_name=A"}, {SC_BRANCH, "Label=A"}},
         {"the label 'A' in row 2 lies above the branch; a branch only jumps down / "
          "ラベル'A'(2行目)が分岐より上にあります。上へは分岐できません"}},
        {{{SC_SETVALUE, "Dest=W0"}}, {"the value to set is empty / セット値が未入力です"}},
        {{{SC_PAGEJUMP, "m_mode=0x000C0005"}},
         {"effect number 12 is not one of the 11 effects / エフェクト番号12は範囲外です",
          "page action 5 is none of next, previous and given page / "
          "動作の値5は次ページ・前ページ・指定ページのどれでもありません"}},
        {{{SC_KEYPAD, "Dest=[GRAPH]|RangeCheck=1|RangeMin=0"}},
         {"the destination '[GRAPH]' names no memory / 代入先'[GRAPH]'はメモリー名になっていません",
          "the keypad page is not set (0) / キーパッド配置ページが設定されていません(0)",
          "the range check is on but the maximum is empty / 範囲チェックありですが最大値が未入力です"}}};
    FakeHost host;
    host.layers = true;
    for (const auto& [rows, expected] : cases) {
        CStepchainData list;
        for (const auto& [type, settings] : rows)
            list.AddSC(Make(list, type, settings));
        EXPECT_EQ(Lines(list.GetActions().back()), expected);
    }
}

}
