#include "support/RandomList.h"

#include <algorithm>

#include "actions/CSCAction.h"
#include "actions/CSCComm.h"

namespace {

// CP932 characters, among them ゼ (83 5B) and ソ (83 5C) whose second byte is
// "[" or a backslash, and 髙 from the IBM extension (FB FC).
const char* const kWideChars[] = {"\x89\xB7", "\x93\x78", "\x83\x5B", "\x83\x5C", "\x95\x5C", "\x8E\xA6",
                                  "\x83\x4A", "\x83\x45", "\x83\x93", "\x83\x5E", "\xFB\xFC", "\x81\x40"};
// Pieces that the script and the renames treat specially.
const char* const kMarks[] = {"[clsID]", "[NAME]", "[EVENT]", "\"", "\n", "!", ":", "*", ".", "%", "\\", "#"};
const char* const kMemoryPrefixes[] = {"W", "GR", "TXT", "PLC1.D", "PLC10.D", "\x89\xB7\x93\x78", "\x83\x5B"};
// Texts that the kinds give a meaning: label names that recur, so that
// labels repeat and branches find them; link targets with their device
// first; subroutine entries with a comment; a password.
const char* const kTexts[] = {"L0", "L1", "L2", "EXIT", "\x83\x5B\x83\x8D", "", "PLC1!Btn2!Push!X",
                              "PLC10!Sw!Release!Y", "!PLC1!B!E!Z", "\x83\x5B!Lamp!Push", "INIT: start-up",
                              ":LEAD:x", "12345678"};

template <typename T, size_t N>
const T& PickFrom(RandomList& r, const T (&items)[N])
{
    return items[r.Below(static_cast<uint32_t>(N))];
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

std::string RandomList::Setting() { return Chance(60) ? PickFrom(*this, kTexts) : Text(20); }

int32_t RandomList::Number(const std::optional<FieldRange>& range)
{
    if (!range)
        return Chance(50) ? Code(-1, 3) : static_cast<int32_t>(Word());
    const int64_t high = std::min(range->high, range->low + 255);
    return Code(static_cast<int32_t>(range->low), static_cast<int32_t>(high));
}

CVXMemNode RandomList::Operand(int32_t startKind)
{
    CVXMemNode node;
    const uint32_t roll = Below(100);
    // A node stored without a kind marker loads with the kind its field
    // starts with; only a kind with a marker can differ from that one.
    node.m_kind = roll < 55   ? startKind
                  : roll < 70 ? CVXMemNode::KIND_GRAPH
                  : roll < 85 ? CVXMemNode::KIND_TEXT
                              : CVXMemNode::KIND_LITERAL_TEXT;
    node.m_name = node.m_kind == CVXMemNode::KIND_LITERAL_TEXT && Chance(50) ? Text(32) : MemoryName();
    if (node.m_kind == CVXMemNode::KIND_TEXT && Chance(40))
        node.m_subName = Text(8);
    node.m_isText = Chance(90) ? 1 : Between(0, 2);
    node.m_flag2 = Chance(80) ? 0 : 1;
    node.m_aux = Chance(80) ? 1 : static_cast<int32_t>(Word());
    node.m_value = Chance(50) ? 0 : static_cast<int32_t>(Word());
    return node;
}

IStepchain* RandomList::Action(CStepchainData& list, int type)
{
    IStepchain* action = list.CreateSC(type);
    if (action != nullptr)
        Fill(*CSCAction::AsAction(action));
    return action;
}

void RandomList::Fill(CStepchainData& list, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        list.AddSC(Action(list, static_cast<int>(Below(SC_TYPE_COUNT))));
}

void RandomList::Fill(CSCAction& action)
{
    for (const ActionField& field : action.GetFields().fields) {
        switch (field.Type()) {
        case FieldType::Operand: field.Operand(action) = Operand(field.StartKind()); break;
        case FieldType::Text: field.Text(action) = Setting(); break;
        case FieldType::Int32: field.Int32(action) = Number(field.Range()); break;
        case FieldType::Dword:
        case FieldType::Bit: field.Dword(action) = static_cast<DWORD>(Number(field.Range())); break;
        }
    }
    // Loading holds a message as literal text, whatever its node says.
    if (action.GetActionType() == SC_COMM) {
        auto& comm = static_cast<CSCComm&>(action);
        if (comm.ContentKind == CSCComm::CONTENT_MESSAGE)
            comm.Content.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    }
}
