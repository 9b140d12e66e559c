#include "support/RandomList.h"

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

namespace {

// CP932 characters, among them ゼ (83 5B) and ソ (83 5C) whose second byte is
// "[" or a backslash, and 髙 from the IBM extension (FB FC).
const char* const kWideChars[] = {"\x89\xB7", "\x93\x78", "\x83\x5B", "\x83\x5C", "\x95\x5C", "\x8E\xA6",
                                  "\x83\x4A", "\x83\x45", "\x83\x93", "\x83\x5E", "\xFB\xFC", "\x81\x40"};
// Pieces that the script and the renames treat specially.
const char* const kMarks[] = {"[clsID]", "[NAME]", "[EVENT]", "\"", "\n", "!", ":", "*", ".", "%", "\\", "#"};
const char* const kMemoryPrefixes[] = {"W", "GR", "TXT", "PLC1.D", "PLC10.D", "\x89\xB7\x93\x78", "\x83\x5B"};
const char* const kLabelNames[] = {"L0", "L1", "L2", "EXIT", "\x83\x5B\x83\x8D", ""};

template <typename T, size_t N>
const T& PickFrom(RandomList& r, const T (&items)[N])
{
    return items[r.Below(static_cast<uint32_t>(N))];
}

void FillPageJump(RandomList& r, CSCPageJump& a)
{
    a.m_page = r.Node();
    if (r.Chance(30))
        a.m_page.m_name = std::to_string(r.Between(0, 999));
    if (r.Chance(10)) {
        a.m_mode = -1;
        return;
    }
    const uint32_t action = static_cast<uint32_t>(r.Code(0, 2)) & 0xFFu;
    const uint32_t effect = r.Chance(90) ? r.Below(11) : r.Below(128);
    a.m_mode = static_cast<int32_t>(action | effect << 16 | (r.Chance(50) ? 0x80000000u : 0u));
}

void FillSetValue(RandomList& r, CSCSetValue& a)
{
    a.Dest = r.Node();
    a.Source = r.Node();
}

DWORD Switch(RandomList& r) { return static_cast<DWORD>(r.Code(0, 1)); }

void FillCalc(RandomList& r, CSCCalc& a)
{
    a.Dest = r.Node();
    a.Delta = r.Node();
    a.Upper = r.Node();
    a.Lower = r.Node();
    a.AutoRepeat = Switch(r);
    a.Beep = Switch(r);
    a.Accelerate = Switch(r);
    a.RangeCheck = Switch(r);
    a.Wrap = Switch(r);
}

void FillCalcTime(RandomList& r, CSCCalcTime& a)
{
    a.Hour = r.Node();
    a.Minute = r.Node();
    a.Delta = r.Node();
    a.LimitHour = r.Node();
    a.LimitMinute = r.Node();
    a.AutoRepeat = Switch(r);
    a.Accelerate = Switch(r);
    a.TimeLimit = Switch(r);
    a.Beep = Switch(r);
}

void FillComm(RandomList& r, CSCComm& a)
{
    a.ContentKind = r.Code(0, 2);
    a.Content = r.Node();
    if (a.ContentKind == CSCComm::CONTENT_MESSAGE) {
        a.Content.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
        a.Content.m_name = r.Text(32);
    }
}

void FillPassPage(RandomList& r, CSCPassPage& a)
{
    a.m_password = r.Chance(80) ? std::to_string(r.Below(100000000)) : r.Text(10);
    a.m_jumpPage = r.Code(0, 200);
    a.m_keypadPage = r.Code(0, 200);
}

void FillKeypad(RandomList& r, CSCKeypad& a)
{
    a.Dest = r.Node();
    a.FracDigits = r.Code(0, 5);
    a.KeyPage = r.Code(0, 50);
    a.RangeCheck = r.Code(0, 1);
    a.RangeMax = r.Node();
    a.RangeMin = r.Node();
    a.FracMem = r.Node();
    a.TotalDigits = r.Code(1, 11);
    a.FracFromMem = r.Code(0, 1);
    a.UseMessage = r.Code(0, 1);
    a.Message = r.Text(16);
    a.UseActLink = r.Code(0, 1);
    a.ActLink = r.Chance(80) ? r.Pick({"PLC1!Btn2!Push!X", "PLC10!Sw!Release!Y", "!PLC1!B!E!Z"}) : r.Text(12);
    if (r.Chance(20))
        a.ActLinkKept = r.Text(12);
}

void FillOpe(RandomList& r, CSCOpe& a)
{
    a.Result = r.Node();
    a.Left = r.Node();
    a.Right = r.Node();
    a.Operator = r.Code(-1, 4);
}

// A node stored without a kind suffix loads with the kind its action starts
// it with; only a kind with a suffix can differ from that one.
void KeepStartKindUnlessSuffixed(CVXMemNode& node, int32_t startKind)
{
    if (*CVXMemNode::KindSuffix(node.m_kind) == '\0')
        node.m_kind = startKind;
}

void FillString(RandomList& r, CSCString& a)
{
    a.Target = r.Node();
    if (r.Chance(70))
        a.Target.m_kind = CVXMemNode::KIND_TEXT;
    KeepStartKindUnlessSuffixed(a.Target, CVXMemNode::KIND_TEXT);
    a.Text = r.Text(20);
    a.Operation = r.Code(-1, 6);
    a.Source = r.Node();
    a.Source.m_aux = r.Chance(80) ? CSCString::PackDigits(r.Between(0, 12), r.Between(0, 12)) : r.Code(0, 255);
}

void FillSetGraphMem(RandomList& r, CSCSetGraphMem& a)
{
    a.GraphMem = r.Node();
    if (r.Chance(80))
        a.GraphMem.m_kind = CVXMemNode::KIND_GRAPH;
    KeepStartKindUnlessSuffixed(a.GraphMem, CVXMemNode::KIND_GRAPH);
    a.Position = r.Node();
    a.Value = r.Node();
    a.Access = r.Code(0, 1);
}

void FillBranch(RandomList& r, CSCBranch& a, std::string label)
{
    a.Subject = r.Node();
    a.Reference = r.Node();
    a.Condition = r.Code(0, 4);
    a.Label = std::move(label);
}

}

uint32_t RandomList::Below(uint32_t n)
{
    // Scaling instead of a standard distribution, whose results differ
    // between standard libraries.
    return static_cast<uint32_t>((static_cast<uint64_t>(Word()) * n) >> 32);
}

int32_t RandomList::Between(int32_t low, int32_t high)
{
    const uint32_t span = static_cast<uint32_t>(high) - static_cast<uint32_t>(low);
    const uint32_t offset = span == UINT32_MAX ? Word() : Below(span + 1);
    return static_cast<int32_t>(static_cast<uint32_t>(low) + offset);
}

int32_t RandomList::Code(int32_t low, int32_t high)
{
    if (Chance(85))
        return Between(low, high);
    return Chance(50) ? Between(low - 3, high + 3) : static_cast<int32_t>(Word());
}

const char* RandomList::Pick(std::initializer_list<const char*> choices)
{
    return choices.begin()[Below(static_cast<uint32_t>(choices.size()))];
}

std::string RandomList::MemoryName()
{
    const uint32_t roll = Below(100);
    if (roll < 5)
        return {};
    if (roll < 20)
        return std::to_string(Between(-99, 99999));
    std::string name = PickFrom(*this, kMemoryPrefixes);
    name += std::to_string(Below(12));
    // A lone lead byte at the end: the archive must not let it swallow a kind suffix.
    if (roll < 22)
        name += '\x83';
    return name;
}

std::string RandomList::FreshMemoryName()
{
    return "\x90\x56" "F" + std::to_string(Word());
}

std::string RandomList::Text(size_t maxChars)
{
    std::string text;
    for (size_t n = Below(static_cast<uint32_t>(maxChars) + 1); n > 0; --n) {
        const uint32_t roll = Below(100);
        if (roll < 55)
            text += static_cast<char>(0x20 + Below(0x5F));
        else if (roll < 85)
            text += PickFrom(*this, kWideChars);
        else
            text += PickFrom(*this, kMarks);
    }
    if (Chance(3))
        text += '\x81';
    return text;
}

CVXMemNode RandomList::Node()
{
    CVXMemNode node;
    const uint32_t roll = Below(100);
    node.m_kind = roll < 55   ? CVXMemNode::KIND_MEMORY
                  : roll < 70 ? CVXMemNode::KIND_GRAPH
                  : roll < 85 ? CVXMemNode::KIND_TEXT
                  : roll < 95 ? CVXMemNode::KIND_LITERAL_TEXT
                              : Between(4, 9);
    node.m_name = MemoryName();
    if (node.m_kind == CVXMemNode::KIND_TEXT && Chance(40))
        node.m_subName = Text(8);
    node.m_isText = Chance(90) ? 1 : Between(0, 2);
    node.m_flag2 = Chance(80) ? 0 : 1;
    node.m_aux = Chance(80) ? 1 : static_cast<int32_t>(Word());
    node.m_value = Chance(50) ? 0 : static_cast<int32_t>(Word());
    return node;
}

std::string RandomList::LabelName() { return Chance(90) ? PickFrom(*this, kLabelNames) : Text(6); }

std::string RandomList::LinkTarget()
{
    if (Chance(10))
        return Text(12);
    return std::string(Pick({"PLC1", "PLC10", "\x83\x5B"})) + "!" + Pick({"Btn1", "Sw2", "Lamp"}) + "!" +
           Pick({"Push", "Release"});
}

IStepchain* RandomList::Action(CStepchainData& list, int type)
{
    IStepchain* action = list.CreateSC(type);
    if (action != nullptr)
        Fill(action);
    return action;
}

void RandomList::Fill(CStepchainData& list, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        list.AddSC(Action(list, static_cast<int>(Below(SC_TYPE_COUNT))));
}

void RandomList::Fill(IStepchain* action)
{
    switch (action->GetActionType()) {
    case SC_PAGEJUMP: FillPageJump(*this, *static_cast<CSCPageJump*>(action)); break;
    case SC_SETVALUE: FillSetValue(*this, *static_cast<CSCSetValue*>(action)); break;
    case SC_CALC: FillCalc(*this, *static_cast<CSCCalc*>(action)); break;
    case SC_CALCTIME: FillCalcTime(*this, *static_cast<CSCCalcTime*>(action)); break;
    case SC_COMM: FillComm(*this, *static_cast<CSCComm*>(action)); break;
    case SC_PASSPAGE: FillPassPage(*this, *static_cast<CSCPassPage*>(action)); break;
    case SC_KEYPAD: FillKeypad(*this, *static_cast<CSCKeypad*>(action)); break;
    case SC_OPE: FillOpe(*this, *static_cast<CSCOpe*>(action)); break;
    case SC_CALL:
        static_cast<CSCCall*>(action)->m_routine = Chance(70) ? Pick({"INIT: start-up", "SUB1", ":LEAD:x"}) : Text(12);
        break;
    case SC_ACTIONLINK:
        static_cast<CSCActionLink*>(action)->m_target = LinkTarget();
        if (Chance(20))
            static_cast<CSCActionLink*>(action)->m_savedTarget = LinkTarget();
        break;
    case SC_STRING: FillString(*this, *static_cast<CSCString*>(action)); break;
    case SC_SETGRAPHMEM: FillSetGraphMem(*this, *static_cast<CSCSetGraphMem*>(action)); break;
    case SC_LABEL: static_cast<CSCLabel*>(action)->m_name = LabelName(); break;
    case SC_BRANCH: FillBranch(*this, *static_cast<CSCBranch*>(action), LabelName()); break;
    default: break;  // redraw and end of actions have no settings
    }
}
