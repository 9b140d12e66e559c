// What every kind shares: its record, copying, comparing and operands, all
// following its field table, checked against records written out by hand.
#include <gtest/gtest.h>

#include "actions/CSCAction.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"

namespace {

std::string Le(int32_t value)
{
    const auto u = static_cast<uint32_t>(value);
    return {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16), static_cast<char>(u >> 24)};
}

std::string Str(const std::string& text) { return static_cast<char>(text.size()) + text; }

// An operand named `name`, held as text, with value 0.
std::string Node(const std::string& name, const char* suffix = "", int32_t aux = 1)
{
    const bool text = std::string(suffix) == "[TEXT]";
    return Le(1) + Str(name + suffix) + (text ? Str("") : "") + Le(aux) + Le(0);
}

// Every stored field set apart from its default, by the kind's table:
// an operand or a text named as its field, a number 100 + its place, a switch 1.
void SetEveryField(CSCAction& action)
{
    int32_t number = 100;
    for (const ActionField& field : action.GetFields().fields) {
        switch (field.Type()) {
        case FieldType::Operand: field.Operand(action).m_name = field.Name(); break;
        case FieldType::Text: field.Text(action) = field.Name(); break;
        case FieldType::Int32: field.Int32(action) = number; break;
        case FieldType::Dword: field.Dword(action) = static_cast<DWORD>(number); break;
        case FieldType::Bit: field.Dword(action) = 1; break;
        }
        ++number;
    }
}

// A field changed so that an equal action is no longer equal.
void Change(const ActionField& field, CSCAction& action)
{
    switch (field.Type()) {
    case FieldType::Operand: field.Operand(action).m_isText ^= 1; break;
    case FieldType::Text: field.Text(action) += "x"; break;
    case FieldType::Int32: ++field.Int32(action); break;
    case FieldType::Dword:
    case FieldType::Bit: field.Dword(action) ^= 1; break;
    }
}

struct Record {
    std::string bytes;
    const char* nodes;  // the operands' names in GetMemNodes order
};

// Indexed by type id.
const Record kRecords[SC_TYPE_COUNT] = {
    {Node("m_page") + Le(101), "m_page"},
    {Node("Dest") + Node("Source"), "Dest Source"},
    {Node("Dest") + Node("Delta") + Node("Upper") + Node("Lower") + Le(3) + Le(106) + Le(107) + Le(108),
     "Dest Lower Upper Delta"},
    {Node("Hour") + Node("Minute") + Node("Delta") + Node("LimitHour") + Node("LimitMinute") + Le(3) + Le(107) +
         Le(108),
     "Hour Minute LimitHour LimitMinute Delta"},
    {Node("Content", "[LITERAL_TEXT]") + Le(101), "Content"},
    {Str("m_password") + Le(101) + Le(102), ""},
    {Node("Dest") + Node("RangeMax") + Node("RangeMin") + Le(-2) + Le(103) + Le(104) + Le(105) + Node("FracMem") +
         Le(107) + Le(108) + Le(109) + Str("Message") + Le(111) + Str("ActLink"),
     "Dest RangeMax RangeMin FracMem"},
    {Node("Result") + Node("Left") + Node("Right") + Le(103), "Result Left Right"},
    {Str("m_routine"), ""},
    {Str("m_target"), ""},
    {Node("Target", "[TEXT]") + Str("@@@V3Format@@@") + Str("Text") + Le(102) + Node("Source", "[TEXT]", 96) +
         Node("Target", "[TEXT]"),
     "Target Source"},
    {"", ""},
    {Node("GraphMem", "[GRAPH]") + Node("Position") + Node("Value") + Le(103), "GraphMem Position Value"},
    {Str("m_name"), ""},
    {Node("Reference") + Node("Subject") + Str("Label") + Le(103), "Reference Subject"},
    {"", ""},
};

std::string NodeNames(IStepchain& action)
{
    MemNodeArray nodes;
    action.GetMemNodes(nodes);
    std::string names;
    for (const CVXMemNode* node : nodes)
        names += (names.empty() ? "" : " ") + node->m_name;
    return names;
}

class AllKinds : public testing::TestWithParam<int> {};

TEST_P(AllKinds, EveryStoredFieldIsStoredCopiedAndCompared)
{
    CStepchainData list;
    CSCAction& action = *CSCAction::AsAction(list.CreateSC(GetParam()));
    list.AddSC(&action);
    SetEveryField(action);
    const Record& record = kRecords[GetParam()];
    EXPECT_EQ(ToHex(StoredBytes(action)), ToHex(record.bytes));

    CSCAction& loaded = *CSCAction::AsAction(list.CreateSC(GetParam()));
    list.AddSC(&loaded);
    CArchive in(record.bytes);
    loaded.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    CSCAction& copy = *CSCAction::AsAction(list.CreateSC(GetParam()));
    list.AddSC(&copy);
    copy.CopyPropertiesFrom(&loaded);
    EXPECT_EQ(ToHex(StoredBytes(copy)), ToHex(record.bytes));
    EXPECT_TRUE(copy.CompareProperties(&action));
    EXPECT_EQ(NodeNames(copy), record.nodes);
    for (const ActionField& field : copy.GetFields().fields) {
        Change(field, copy);
        EXPECT_FALSE(copy.CompareProperties(&action)) << field.Name();
        Change(field, copy);
    }
}

INSTANTIATE_TEST_SUITE_P(TypeIds, AllKinds, testing::Range(0, static_cast<int>(SC_TYPE_COUNT)),
                         [](const auto& info) { return "Type" + std::to_string(info.param); });

}
