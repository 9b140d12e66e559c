#include "actions/CSCAction.h"

#include "actions/InvalidCheck.h"
#include "core/EditHook.h"

int CSCAction::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCAction::Serialize(CArchive& ar)
{
    for (const ActionField& field : GetFields().fields)
        field.Serialize(ar, *this);
}

void CSCAction::CopyPropertiesFrom(IStepchain* source)
{
    auto& from = *AsAction(source);
    for (const ActionField& field : GetFields().fields)
        field.Copy(*this, from);
}

void CSCAction::GetMemNodes(MemNodeArray& nodes)
{
    for (const ActionField& field : GetFields().fields) {
        if (field.Type() == FieldType::Operand)
            nodes.push_back(&field.Operand(*this));
    }
}

BOOL CSCAction::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != m_type)
        return 0;
    auto& that = *AsAction(other);
    for (const ActionField& field : GetFields().fields) {
        if (!field.Equal(*this, that))
            return 0;
    }
    return 1;
}

int CSCAction::IsInvalid()
{
    InvalidCheck check;
    Check(check);
    return check.Code();
}

std::vector<InvalidReason> CSCAction::GetInvalidReasons()
{
    std::vector<InvalidReason> reasons;
    InvalidCheck check(&reasons);
    Check(check);
    return reasons;
}
