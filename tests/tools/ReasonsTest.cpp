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
#include "actions/CSCOpe.h"
#include "actions/CSCPageJump.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCSetValue.h"
#include "actions/CSCString.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "tools/Reasons.h"

namespace {

// One setting of one field; a kind's variants are every combination of its knobs.
using Setter = std::function<void(IStepchain&)>;
using Knob = std::vector<Setter>;

template <typename A, typename V> Knob Values(V A::*field, std::vector<V> values)
{
    Knob knob;
    for (V value : values)
        knob.push_back([field, value](IStepchain& a) { static_cast<A&>(a).*field = value; });
    return knob;
}

template <typename A> Knob Names(CVXMemNode A::*node, std::vector<std::string> names)
{
    Knob knob;
    for (const std::string& name : names)
        knob.push_back([node, name](IStepchain& a) { (static_cast<A&>(a).*node).m_name = name; });
    return knob;
}

template <typename A, typename V> Knob Each(std::vector<V> values, void (*set)(A&, V))
{
    Knob knob;
    for (V value : values)
        knob.push_back([set, value](IStepchain& a) { set(static_cast<A&>(a), value); });
    return knob;
}

// Where the action stands among label actions named "A".
using Placement = std::function<void(CStepchainData&, IStepchain*)>;

void AddLabel(CStepchainData& list, const char* name)
{
    auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
    label->m_name = name;
    list.AddSC(label);
}

const std::vector<Placement> kAlone{[](CStepchainData& list, IStepchain* a) { list.AddSC(a); }};
const std::vector<Placement> kAmongLabels{
    [](CStepchainData& list, IStepchain* a) { list.AddSC(a); },
    [](CStepchainData& list, IStepchain* a) {
        AddLabel(list, "A");
        list.AddSC(a);
    },
    [](CStepchainData& list, IStepchain* a) {
        list.AddSC(a);
        AddLabel(list, "A");
    },
    [](CStepchainData& list, IStepchain* a) {
        AddLabel(list, "A");
        list.AddSC(a);
        AddLabel(list, "A");
    },
};

struct KindVariants {
    int type;
    std::vector<Knob> knobs;
    std::vector<Placement> placements = kAlone;
};

std::vector<KindVariants> AllKinds()
{
    return {
        {SC_PAGEJUMP,
         {Values(&CSCPageJump::m_mode, {-1, 0, 1, 2, 3, 255, 2 | (5 << 16), 2 | (11 << 16), 1 | (127 << 16),
                                        static_cast<int32_t>(0x800A0002u), 0x7FFFFFFF}),
          Names(&CSCPageJump::m_page, {"", "5", "W0"})}},
        {SC_SETVALUE, {Names(&CSCSetValue::Dest, {"", "W0"}), Names(&CSCSetValue::Source, {"", "5"})}},
        {SC_CALC,
         {Names(&CSCCalc::Dest, {"", "W0"}), Names(&CSCCalc::Delta, {"", "-1"}),
          Values(&CSCCalc::RangeCheck, {0u, 1u, 2u}), Names(&CSCCalc::Upper, {"", "9"}),
          Names(&CSCCalc::Lower, {"", "0"})}},
        {SC_CALCTIME,
         {Names(&CSCCalcTime::Hour, {"", "H"}), Names(&CSCCalcTime::Minute, {"", "M"}),
          Names(&CSCCalcTime::Delta, {"", "15"}), Values(&CSCCalcTime::TimeLimit, {0u, 1u, 2u}),
          Names(&CSCCalcTime::LimitHour, {"", "23"}), Names(&CSCCalcTime::LimitMinute, {"", "59"})}},
        {SC_COMM, {Values(&CSCComm::ContentKind, {-1, 0, 1, 2, 3}), Names(&CSCComm::Content, {"", "MSG"})}},
        {SC_PASSPAGE,
         {Values(&CSCPassPage::m_jumpPage, {0, 7, -1}), Values(&CSCPassPage::m_keypadPage, {0, 3}),
          Values(&CSCPassPage::m_password, {std::string(), std::string("1234")})}},
        {SC_KEYPAD,
         {Names(&CSCKeypad::Dest, {"", "W0", "[GRAPH]", "[TEXT]", "5"}), Values(&CSCKeypad::KeyPage, {0, 3}),
          Values(&CSCKeypad::RangeCheck, {0, 1, -1}), Names(&CSCKeypad::RangeMax, {"", "9"}),
          Names(&CSCKeypad::RangeMin, {"", "0"})}},
        {SC_OPE,
         {Names(&CSCOpe::Result, {"", "W0"}), Names(&CSCOpe::Left, {"", "W1"}), Names(&CSCOpe::Right, {"", "3"}),
          Values(&CSCOpe::Operator, {-1, 0, 4, 5, -2})}},
        {SC_CALL, {Values(&CSCCall::m_routine, {std::string(), std::string("INIT"), std::string(":")})}},
        {SC_ACTIONLINK, {Values(&CSCActionLink::m_target, {std::string(), std::string("P!B!E")})}},
        {SC_STRING,
         {Names(&CSCString::Target, {"", "TXT1", "[TEXT]"}),
          Values(&CSCString::Operation, {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7}),
          Names(&CSCString::Source, {"", "TXT2", "[TEXT]"}),
          Each<CSCString, int32_t>({0, 96, 0xB0, 0xC0, 0xAF, -5},
                                   [](CSCString& s, int32_t aux) { s.Source.m_aux = aux; })}},
        {SC_REFSH, {}},
        {SC_SETGRAPHMEM,
         {Names(&CSCSetGraphMem::GraphMem, {"", "GR1"}), Names(&CSCSetGraphMem::Position, {"", "3"}),
          Names(&CSCSetGraphMem::Value, {"", "W0"}), Values(&CSCSetGraphMem::Access, {0, 1})}},
        {SC_LABEL, {Values(&CSCLabel::m_name, {std::string(), std::string("A"), std::string("B")})}, kAmongLabels},
        {SC_BRANCH,
         {Values(&CSCBranch::Label, {std::string(), std::string("A"), std::string("Z")}),
          Values(&CSCBranch::Condition, {0, 1, 4, 5, -1}), Names(&CSCBranch::Subject, {"", "W0"}),
          Names(&CSCBranch::Reference, {"", "5"})},
         kAmongLabels},
        {SC_ACTIONEXIT, {}},
    };
}

// Calls `visit` with every combination of one setter from each knob.
void ForEachCombination(const std::vector<Knob>& knobs, const std::function<void(const std::vector<const Setter*>&)>& visit)
{
    std::vector<size_t> at(knobs.size(), 0);
    for (;;) {
        std::vector<const Setter*> chosen;
        for (size_t k = 0; k < knobs.size(); ++k)
            chosen.push_back(&knobs[k][at[k]]);
        visit(chosen);
        size_t k = 0;
        while (k < knobs.size() && ++at[k] == knobs[k].size())
            at[k++] = 0;
        if (k == knobs.size())
            return;
    }
}

class ReasonsAgree : public testing::TestWithParam<bool> {};

TEST_P(ReasonsAgree, ARowHasReasonsExactlyWhenItIsInvalid)
{
    FakeHost host;
    host.layers = GetParam();
    int walked = 0;
    for (const KindVariants& kind : AllKinds()) {
        int valid = 0;
        int invalid = 0;
        ForEachCombination(kind.knobs, [&](const std::vector<const Setter*>& setters) {
            for (const Placement& place : kind.placements) {
                CStepchainData list;
                IStepchain* action = list.CreateSC(kind.type);
                for (const Setter* set : setters)
                    (*set)(*action);
                place(list, action);
                for (size_t row = 0; row < list.GetCount(); ++row) {
                    IStepchain* entry = list.GetAt(row);
                    const bool isInvalid = entry->IsInvalid() != 0;
                    const std::vector<Reason> reasons = InvalidReasons(list, entry);
                    ASSERT_EQ(!reasons.empty(), isInvalid)
                        << "kind " << entry->GetActionType() << ", row " << row << ": "
                        << (reasons.empty() ? std::string("no reason") : reasons.front().english);
                    for (const Reason& reason : reasons)
                        EXPECT_TRUE(!reason.english.empty() && !reason.japanese.empty());
                }
                (action->IsInvalid() != 0 ? invalid : valid) += 1;
            }
        });
        EXPECT_GT(valid, 0) << "kind " << kind.type;
        if (kind.type != SC_REFSH && kind.type != SC_ACTIONEXIT) {
            EXPECT_GT(invalid, 0) << "kind " << kind.type;
        }
        walked += valid + invalid;
    }
    EXPECT_GT(walked, 1000);
}

INSTANTIATE_TEST_SUITE_P(Layers, ReasonsAgree, testing::Bool(),
                         [](const auto& info) { return info.param ? "WithLayers" : "WithoutLayers"; });

// The reasons of the last action of a list, one "English / 日本語" line each.
std::vector<std::string> Lines(CStepchainData& list, IStepchain* action)
{
    std::vector<std::string> lines;
    for (const Reason& reason : InvalidReasons(list, action))
        lines.push_back(reason.english + " / " + reason.japanese);
    return lines;
}

struct ReasonCase {
    const char* name;
    std::function<IStepchain*(CStepchainData&)> build;
    std::vector<std::string> expected;
};

template <typename A> A* Add(CStepchainData& list, int type)
{
    auto* action = static_cast<A*>(list.CreateSC(type));
    list.AddSC(action);
    return action;
}

class ReasonTexts : public testing::TestWithParam<ReasonCase> {};

TEST_P(ReasonTexts, SayWhatIsWrong)
{
    FakeHost host;
    CStepchainData list;
    IStepchain* action = GetParam().build(list);
    EXPECT_EQ(Lines(list, action), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReasonTexts,
    testing::Values(
        ReasonCase{
            "NewSetValue",
            [](CStepchainData& l) { return Add<CSCSetValue>(l, SC_SETVALUE); },
            {"the destination is empty / 代入先が未入力です", "the value to set is empty / セット値が未入力です"}},
        ReasonCase{"PageNotChosen",
                   [](CStepchainData& l) { return Add<CSCPageJump>(l, SC_PAGEJUMP); },
                   {"no page action is chosen / 動作が選択されていません"}},
        ReasonCase{
            "LayerPackingWithoutLayers",
            [](CStepchainData& l) {
                auto* jump = Add<CSCPageJump>(l, SC_PAGEJUMP);
                jump->m_mode = 0x000A0001;
                return jump;
            },
            {"page action 655361 is none of next, previous and given page (a setting made for a model with "
             "layers) / "
             "動作の値655361は次ページ・前ページ・指定ページのどれでもありません(レイヤーのある機種での設定です)"}},
        ReasonCase{"CalcRangeWithoutLimits",
                   [](CStepchainData& l) {
                       auto* calc = Add<CSCCalc>(l, SC_CALC);
                       calc->Dest.m_name = "W0";
                       calc->Delta.m_name = "1";
                       calc->RangeCheck = 1;
                       return calc;
                   },
                   {"the range check is on but the upper limit is empty / 上下限チェックありですが上限値が未入力です",
                    "the range check is on but the lower limit is empty / 上下限チェックありですが下限値が未入力です"}},
        ReasonCase{"PassPageWithoutPages",
                   [](CStepchainData& l) { return Add<CSCPassPage>(l, SC_PASSPAGE); },
                   {"the page to jump to is not set (0) / 移動先ページが設定されていません(0)",
                    "the keypad page is not set (0) / キーパッド配置ページが設定されていません(0)"}},
        ReasonCase{"KeypadSuffixOnly",
                   [](CStepchainData& l) {
                       auto* keypad = Add<CSCKeypad>(l, SC_KEYPAD);
                       keypad->Dest.m_name = "[GRAPH]";
                       keypad->KeyPage = 3;
                       return keypad;
                   },
                   {"the destination '[GRAPH]' names no memory / 代入先'[GRAPH]'はメモリー名になっていません"}},
        ReasonCase{"OperatorOutsideTable",
                   [](CStepchainData& l) {
                       auto* ope = Add<CSCOpe>(l, SC_OPE);
                       ope->Result.m_name = "W0";
                       ope->Left.m_name = "W1";
                       ope->Right.m_name = "2";
                       ope->Operator = 7;
                       return ope;
                   },
                   {"operator number 7 is not one of the 5 operators / 演算内容の番号7は範囲外です"}},
        ReasonCase{"StringFormatTooWide",
                   [](CStepchainData& l) {
                       auto* string = Add<CSCString>(l, SC_STRING);
                       string->Target.m_name = "TXT1";
                       string->Operation = CSCString::OP_FORMAT_NUMBER;
                       string->Source.m_name = "W0";
                       string->Source.m_aux = CSCString::PackDigits(10, 2);
                       return string;
                   },
                   {"the number format has 12 digits in all, more than 11 / 桁数の合計12が11を超えています"}},
        ReasonCase{"CommMemoryMissing",
                   [](CStepchainData& l) {
                       auto* comm = Add<CSCComm>(l, SC_COMM);
                       comm->ContentKind = CSCComm::CONTENT_MEMORY;
                       return comm;
                   },
                   {"the memory whose value is sent is empty / 出力するメモリーが未入力です"}},
        ReasonCase{"LabelUsedThrice",
                   [](CStepchainData& l) {
                       AddLabel(l, "A");
                       AddLabel(l, "A");
                       auto* label = Add<CSCLabel>(l, SC_LABEL);
                       label->m_name = "A";
                       return label;
                   },
                   {"the label name 'A' is used again in rows 1, 2 / ラベル名'A'は1, 2行目でも使われています"}},
        ReasonCase{"BranchToMissingLabel",
                   [](CStepchainData& l) {
                       auto* branch = Add<CSCBranch>(l, SC_BRANCH);
                       branch->Label = Sj("完了");
                       return branch;
                   },
                   {"no label named '完了' in this list / ラベル'完了'がリストにありません"}},
        ReasonCase{"BranchUpwards",
                   [](CStepchainData& l) {
                       AddLabel(l, "B");
                       AddLabel(l, "A");
                       auto* branch = Add<CSCBranch>(l, SC_BRANCH);
                       branch->Label = "A";
                       AddLabel(l, "C");
                       return branch;
                   },
                   {"the label 'A' in row 2 lies above the branch; a branch only jumps down / "
                    "ラベル'A'(2行目)が分岐より上にあります。上へは分岐できません"}},
        ReasonCase{"BranchComparisonIncomplete",
                   [](CStepchainData& l) {
                       auto* branch = Add<CSCBranch>(l, SC_BRANCH);
                       branch->Condition = 9;
                       return branch;
                   },
                   {"the target label is empty / 分岐先ラベルが未入力です",
                    "condition number 9 is not one of the 5 conditions / 条件の番号9は範囲外です",
                    "the memory to evaluate is empty / 評価メモリが未入力です",
                    "the value to compare with is empty / 比較値が未入力です"}}),
    [](const auto& info) { return std::string(info.param.name); });

}
