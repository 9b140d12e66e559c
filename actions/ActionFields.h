#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/Archive.h"
#include "core/CVXMemNode.h"

class CSCAction;

// How a stored field is held in the action and kept in the record.
enum class FieldType {
    Operand,  // a CVXMemNode
    Text,     // CP932 bytes; an archived string
    Int32,    // a signed 32-bit number; a LONG
    Dword,    // an unsigned 32-bit number; a DWORD
    Bit,      // a switch that the record keeps as one bit of a word: 0 or 1
};

// The values that a numeric setting may validly hold, both ends included.
struct FieldRange {
    int64_t low;
    int64_t high;
};

// One stored field of a kind of action, under the name the code gives it.
// It reaches the member of any action of its kind.
class ActionField {
public:
    using Member = std::variant<CVXMemNode CSCAction::*, std::string CSCAction::*, int32_t CSCAction::*,
                                DWORD CSCAction::*>;

    ActionField(std::string_view name, FieldType type, Member member, int32_t startKind,
                std::optional<FieldRange> range);

    std::string_view Name() const { return m_name; }
    FieldType Type() const { return m_type; }
    // An operand's kind in a new action: a stored name without a kind marker loads as this kind.
    int32_t StartKind() const { return m_startKind; }
    // None for operands, texts and numbers whose every value means something.
    const std::optional<FieldRange>& Range() const { return m_range; }

    // The member of `action`, which must be of the kind the field belongs to.
    CVXMemNode& Operand(CSCAction& action) const;
    std::string& Text(CSCAction& action) const;
    int32_t& Int32(CSCAction& action) const;
    // A Dword or a Bit.
    DWORD& Dword(CSCAction& action) const;

    // Operands compare by node equality, everything else exactly.
    bool Equal(CSCAction& a, CSCAction& b) const;
    void Copy(CSCAction& to, CSCAction& from) const;
    // Stores or loads the field alone, as the record of a plain kind holds it.
    void Serialize(CArchive& ar, CSCAction& action) const;

private:
    std::string_view m_name;
    FieldType m_type;
    Member m_member;
    int32_t m_startKind;
    std::optional<FieldRange> m_range;
};

// The stored fields of a kind, in the order of its record, and the kind's
// name in the text form of a list.
struct ActionFieldTable {
    std::string_view key;
    std::vector<ActionField> fields;
};

// Field makers for the tables of the kinds; A is the kind's class.
template <typename A>
ActionField OperandField(std::string_view name, CVXMemNode A::*member,
                         int32_t startKind = CVXMemNode::KIND_MEMORY)
{
    return {name, FieldType::Operand, static_cast<CVXMemNode CSCAction::*>(member), startKind, std::nullopt};
}

template <typename A>
ActionField TextField(std::string_view name, std::string A::*member)
{
    return {name, FieldType::Text, static_cast<std::string CSCAction::*>(member), 0, std::nullopt};
}

template <typename A>
ActionField Int32Field(std::string_view name, int32_t A::*member, std::optional<FieldRange> range = std::nullopt)
{
    return {name, FieldType::Int32, static_cast<int32_t CSCAction::*>(member), 0, range};
}

template <typename A>
ActionField DwordField(std::string_view name, DWORD A::*member, std::optional<FieldRange> range = std::nullopt)
{
    return {name, FieldType::Dword, static_cast<DWORD CSCAction::*>(member), 0, range};
}

template <typename A>
ActionField BitField(std::string_view name, DWORD A::*member)
{
    return {name, FieldType::Bit, static_cast<DWORD CSCAction::*>(member), 0, FieldRange{0, 1}};
}
