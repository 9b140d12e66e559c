#include "actions/CSCOpe.h"

#include <iterator>

#include "actions/ScriptPass.h"
#include "core/EditHook.h"
#include "core/Texts.h"

int CSCOpe::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCOpe::Serialize(CArchive& ar)
{
    Result.Serialize(ar);
    Left.Serialize(ar);
    Right.Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(Operator);
    } else {
        DWORD op = 0;
        ar >> op;
        Operator = static_cast<int32_t>(op);
    }
}

const char* CSCOpe::ScriptOperator(int32_t op)
{
    static constexpr const char* kOperators[] = {"+", "-", "*", "/", "%"};
    return op >= 0 && op < static_cast<int32_t>(std::size(kOperators)) ? kOperators[op] : "";
}

std::string CSCOpe::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    return Format("\tEXPR %s = %s %s %s\n",
                  {Result.GetScriptForm(), Left.GetScriptForm(), ScriptOperator(Operator), Right.GetScriptForm()});
}

const std::string& CSCOpe::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0)
        caption = T(Txt::InputError);
    else
        caption = Format("%s = %s %s %s\n", {Result.m_name, Left.m_name, ScriptOperator(Operator), Right.m_name});
    return caption;
}

void CSCOpe::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCOpe*>(source);
    Result = from->Result;
    Left = from->Left;
    Right = from->Right;
    Operator = from->Operator;
}

void CSCOpe::PreEdit() {}

void CSCOpe::GetMemNodes(MemNodeArray& nodes) { nodes.insert(nodes.end(), {&Result, &Left, &Right}); }

BOOL CSCOpe::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_OPE)
        return 0;
    const auto* o = static_cast<CSCOpe*>(other);
    return Result == o->Result && Left == o->Left && Right == o->Right && Operator == o->Operator;
}

int CSCOpe::IsInvalid()
{
    if (Result.m_name.empty() || Left.m_name.empty() || Right.m_name.empty())
        return 1;
    return static_cast<uint32_t>(Operator) > 4 ? 1 : 0;
}

BOOL CSCOpe::MergeLimit(DWORD) { return 1; }

void CSCOpe::MemSync(std::string, std::string) {}
