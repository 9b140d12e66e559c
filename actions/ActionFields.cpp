#include "actions/ActionFields.h"

#include <utility>

#include "actions/CSCAction.h"

ActionField::ActionField(std::string_view name, FieldType type, Member member, int32_t startKind,
                         std::optional<FieldRange> range)
    : m_name(name), m_type(type), m_member(member), m_startKind(startKind), m_range(range)
{
}

CVXMemNode& ActionField::Operand(CSCAction& action) const
{
    return action.*std::get<CVXMemNode CSCAction::*>(m_member);
}

std::string& ActionField::Text(CSCAction& action) const { return action.*std::get<std::string CSCAction::*>(m_member); }

int32_t& ActionField::Int32(CSCAction& action) const { return action.*std::get<int32_t CSCAction::*>(m_member); }

DWORD& ActionField::Dword(CSCAction& action) const { return action.*std::get<DWORD CSCAction::*>(m_member); }

bool ActionField::Equal(CSCAction& a, CSCAction& b) const
{
    return std::visit([&](auto member) { return a.*member == b.*member; }, m_member);
}

void ActionField::Copy(CSCAction& to, CSCAction& from) const
{
    std::visit([&](auto member) { to.*member = from.*member; }, m_member);
}

void ActionField::Serialize(CArchive& ar, CSCAction& action) const
{
    switch (m_type) {
    case FieldType::Operand: Operand(action).Serialize(ar, m_startKind); return;
    case FieldType::Text:
        if (ar.IsStoring())
            ar << Text(action);
        else
            ar >> Text(action);
        return;
    case FieldType::Int32:
        if (ar.IsStoring())
            ar << Int32(action);
        else
            ar >> Int32(action);
        return;
    case FieldType::Dword:
    case FieldType::Bit:
        if (ar.IsStoring())
            ar << Dword(action);
        else
            ar >> Dword(action);
        return;
    }
}
