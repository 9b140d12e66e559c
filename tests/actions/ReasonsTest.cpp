#include <gtest/gtest.h>

#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCOpe.h"
#include "actions/CSCPageJump.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCString.h"
#include "support/FakeHost.h"
#include "tools/ListBuilder.h"

namespace {

// The settings of one field to try; a kind's variants are every combination.
using Knob = std::vector<std::function<void(IStepchain&)>>;

template <typename A, typename V>
Knob Values(V A::*field, std::vector<V> values)
{
    Knob knob;
    for (V value : values)
        knob.push_back([field, value](IStepchain& a) { static_cast<A&>(a).*field = value; });
    return knob;
}

template <typename A>
Knob Names(CVXMemNode A::*node, std::vector<std::string> names)
{
    Knob knob;
    for (const std::string& name : names)
        knob.push_back([node, name](IStepchain& a) { (static_cast<A&>(a).*node).m_name = name; });
    return knob;
}

Knob PackedDigits(std::vector<int32_t> values)
{
    Knob knob;
    for (int32_t value : values)
        knob.push_back([value](IStepchain& a) { static_cast<CSCString&>(a).Source.m_aux = value; });
    return knob;
}

// Where the action stands among labels named "A": alone, below, above, between.
using Placement = std::function<void(CStepchainData&, IStepchain*)>;
const std::vector<Placement> kAlone{[](CStepchainData& l, IStepchain* a) { l.AddSC(a); }};
const std::vector<Placement> kAmongLabels{
    [](CStepchainData& l, IStepchain* a) { l.AddSC(a); },
    [](CStepchainData& l, IStepchain* a) { Label(l, "A"); l.AddSC(a); },
    [](CStepchainData& l, IStepchain* a) { l.AddSC(a); Label(l, "A"); },
    [](CStepchainData& l, IStepchain* a) { Label(l, "A"); l.AddSC(a); Label(l, "A"); }};

struct KindVariants {
    int type;
    std::vector<Knob> knobs;
    std::vector<Placement> placements = kAlone;
};

std::vector<KindVariants> AllKinds()
{
    using S = std::string;
    return {
        {SC_PAGEJUMP, {Values(&CSCPageJump::m_mode, {-1, 0, 1, 2, 3, 2 | 5 << 16, 2 | 11 << 16, 1 | 127 << 16,
                                                     static_cast<int32_t>(0x800A0002u), 0x7FFFFFFF}),
                       Names(&CSCPageJump::m_page, {"", "5"})}},
        {SC_SETVALUE, {Names(&CSCSetValue::Dest, {"", "W0"}), Names(&CSCSetValue::Source, {"", "5"})}},
        {SC_CALC, {Names(&CSCCalc::Dest, {"", "W0"}), Names(&CSCCalc::Delta, {"", "-1"}),
                   Values(&CSCCalc::RangeCheck, {0u, 1u, 2u}), Names(&CSCCalc::Upper, {"", "9"}),
                   Names(&CSCCalc::Lower, {"", "0"})}},
        {SC_CALCTIME, {Names(&CSCCalcTime::Hour, {"", "H"}), Names(&CSCCalcTime::Minute, {"", "M"}),
                       Names(&CSCCalcTime::Delta, {"", "15"}), Values(&CSCCalcTime::TimeLimit, {0u, 1u, 2u}),
                       Names(&CSCCalcTime::LimitHour, {"", "23"}), Names(&CSCCalcTime::LimitMinute, {"", "59"})}},
        {SC_COMM, {Values(&CSCComm::ContentKind, {-1, 0, 1, 2, 3}), Names(&CSCComm::Content, {"", "MSG"})}},
        {SC_PASSPAGE, {Values(&CSCPassPage::m_jumpPage, {0, 7, -1}), Values(&CSCPassPage::m_keypadPage, {0, 3}),
                       Values(&CSCPassPage::m_password, {S(), S("1234")})}},
        {SC_KEYPAD, {Names(&CSCKeypad::Dest, {"", "W0", "[GRAPH]", "[TEXT]", "5"}), Values(&CSCKeypad::KeyPage, {0, 3}),
                     Values(&CSCKeypad::RangeCheck, {0, 1, -1}), Names(&CSCKeypad::RangeMax, {"", "9"}),
                     Names(&CSCKeypad::RangeMin, {"", "0"})}},
        {SC_OPE, {Names(&CSCOpe::Result, {"", "W0"}), Names(&CSCOpe::Left, {"", "W1"}), Names(&CSCOpe::Right, {"", "3"}),
                  Values(&CSCOpe::Operator, {-1, 0, 4, 5, -2})}},
        {SC_CALL, {Values(&CSCCall::m_routine, {S(), S("INIT"), S(":")})}},
        {SC_ACTIONLINK, {Values(&CSCActionLink::m_target, {S(), S("P!B!E")})}},
        {SC_STRING, {Names(&CSCString::Target, {"", "TXT1", "[TEXT]"}),
                     Values(&CSCString::Operation, {-2, -1, 0, 1, 2, 3, 4, 5, 6, 7}),
                     Names(&CSCString::Source, {"", "TXT2", "[TEXT]"}), PackedDigits({0, 96, 0xB0, 0xC0, 0xAF, -5})}},
        {SC_REFSH, {}},
        {SC_SETGRAPHMEM, {Names(&CSCSetGraphMem::GraphMem, {"", "GR1"}), Names(&CSCSetGraphMem::Position, {"", "3"}),
                          Names(&CSCSetGraphMem::Value, {"", "W0"}), Values(&CSCSetGraphMem::Access, {0, 1})}},
        {SC_LABEL, {Values(&CSCLabel::m_name, {S(), S("A"), S("B")})}, kAmongLabels},
        {SC_BRANCH, {Values(&CSCBranch::Label, {S(), S("A"), S("Z")}), Values(&CSCBranch::Condition, {0, 1, 4, 5, -1}),
                     Names(&CSCBranch::Subject, {"", "W0"}), Names(&CSCBranch::Reference, {"", "5"})},
         kAmongLabels},
        {SC_ACTIONEXIT, {}},
    };
}

// Moves `at` to the next combination of settings; false after the last.
bool NextCombination(std::vector<size_t>& at, const std::vector<Knob>& knobs)
{
    for (size_t k = 0; k < at.size(); ++k) {
        if (++at[k] < knobs[k].size())
            return true;
        at[k] = 0;
    }
    return false;
}

class ReasonsAgree : public testing::TestWithParam<bool> {};

TEST_P(ReasonsAgree, ARowHasReasonsExactlyWhenItIsInvalid)
{
    FakeHost host;
    host.layers = GetParam();
    for (const KindVariants& kind : AllKinds()) {
        int valid = 0;
        int invalid = 0;
        std::vector<size_t> at(kind.knobs.size(), 0);
        do {
            for (const Placement& place : kind.placements) {
                CStepchainData list;
                IStepchain* action = list.CreateSC(kind.type);
                for (size_t knob = 0; knob < at.size(); ++knob)
                    kind.knobs[knob][at[knob]](*action);
                place(list, action);
                for (IStepchain* entry : list.GetActions()) {
                    const std::vector<InvalidReason> reasons = CSCAction::AsAction(entry)->GetInvalidReasons();
                    ASSERT_EQ(!reasons.empty(), entry->IsInvalid() != 0)
                        << "kind " << entry->GetActionType() << ": "
                        << (reasons.empty() ? "no reason" : reasons.front().english);
                }
                ++(action->IsInvalid() != 0 ? invalid : valid);
            }
        } while (NextCombination(at, kind.knobs));
        EXPECT_GT(valid, 0) << "kind " << kind.type;
        if (kind.type != SC_REFSH && kind.type != SC_ACTIONEXIT) {
            EXPECT_GT(invalid, 0) << "kind " << kind.type;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layers, ReasonsAgree, testing::Bool());

struct ReasonCase {
    const char* name;
    std::function<IStepchain*(CStepchainData&)> build;
    std::vector<std::string> expected;  // "English / 日本語"
};

class ReasonTexts : public testing::TestWithParam<ReasonCase> {};

TEST_P(ReasonTexts, SayWhatIsWrong)
{
    FakeHost host;
    CStepchainData list;
    IStepchain* action = GetParam().build(list);
    std::vector<std::string> lines;
    for (const InvalidReason& reason : CSCAction::AsAction(action)->GetInvalidReasons())
        lines.push_back(reason.english + " / " + reason.japanese);
    EXPECT_EQ(lines, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReasonTexts,
    testing::Values(
        ReasonCase{"LabelUsedThrice",
                   [](CStepchainData& l) {
                       Label(l, "A");
                       Label(l, "A");
                       auto& label = Add<CSCLabel>(l, SC_LABEL);
                       label.m_name = "A";
                       return &label;
                   },
                   {"the label name 'A' is used again in rows 1, 2 / ラベル名'A'は1, 2行目でも使われています"}},
        ReasonCase{"BranchUpwards",
                   [](CStepchainData& l) {
                       Label(l, "B");
                       Label(l, "A");
                       auto& branch = Add<CSCBranch>(l, SC_BRANCH);
                       branch.Label = "A";
                       Label(l, "A");
                       return &branch;
                   },
                   {"the label 'A' in row 2 lies above the branch; a branch only jumps down / "
                    "ラベル'A'(2行目)が分岐より上にあります。上へは分岐できません"}}),
    [](const auto& info) { return std::string(info.param.name); });

}
