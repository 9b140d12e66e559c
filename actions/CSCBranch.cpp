#include "actions/CSCBranch.h"

#include "actions/ScriptPass.h"
#include "core/CStepchainData.h"
#include "core/EditHook.h"
#include "core/Texts.h"

int CSCBranch::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCBranch::Serialize(CArchive& ar)
{
    Reference.Serialize(ar);
    Subject.Serialize(ar);
    if (ar.IsStoring()) {
        ar << Label << static_cast<DWORD>(Condition);
    } else {
        DWORD condition = 0;
        ar >> Label >> condition;
        Condition = static_cast<int32_t>(condition);
    }
}

const char* CSCBranch::ScriptOperator(int32_t condition)
{
    switch (condition) {
    case COND_EQUAL: return "=";
    case COND_GREATER_EQUAL: return ">=";
    case COND_LESS_EQUAL: return "<=";
    case COND_NOT_EQUAL: return "!=";
    default: return nullptr;
    }
}

std::string CSCBranch::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    // A condition outside the table jumps unconditionally rather than write
    // a comparison without an operator; IsInvalid reports it.
    const char* op = ScriptOperator(Condition);
    if (op == nullptr)
        return Format("\tR_JP _[NAME]_[EVENT]_%s\n", {Label});
    return Format("\tCMP %s %s %s\n\tR_BR _[NAME]_[EVENT]_%s\n",
                  {op, Subject.GetScriptForm(), Reference.GetScriptForm(), Label});
}

const std::string& CSCBranch::GetCaption()
{
    static std::string caption;
    const int invalid = IsInvalid();
    if (invalid == -1) {
        caption = T(Txt::InputError);
        return caption;
    }
    if (Condition == COND_ALWAYS) {
        caption = Format(T(Txt::BranchJumpCaption), {Label});
    } else {
        caption = Format(T(Txt::BranchCompareCaption),
                         {Subject.GetScriptForm(), ScriptOperator(Condition), Reference.GetScriptForm(), Label});
    }
    if (invalid == 1)
        caption += T(Txt::BranchLabelMissing);
    else if (invalid == 2)
        caption += T(Txt::BranchBackward);
    return caption;
}

void CSCBranch::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCBranch*>(source);
    Subject = from->Subject;
    Reference = from->Reference;
    Condition = from->Condition;
    Label = from->Label;
}

void CSCBranch::PreEdit() {}

void CSCBranch::GetMemNodes(MemNodeArray& nodes) { nodes.insert(nodes.end(), {&Reference, &Subject}); }

BOOL CSCBranch::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_BRANCH)
        return 0;
    const auto* o = static_cast<CSCBranch*>(other);
    return Label == o->Label && Condition == o->Condition && Subject == o->Subject && Reference == o->Reference;
}

int CSCBranch::IsInvalid()
{
    if (Label.empty())
        return -1;
    if (Condition != COND_ALWAYS && (ScriptOperator(Condition) == nullptr || Subject.m_name.empty() ||
                                Reference.m_name.empty()))
        return -1;
    return m_list->CheckAction(this, 1);
}

BOOL CSCBranch::MergeLimit(DWORD) { return 1; }

void CSCBranch::MemSync(std::string, std::string) {}
