#include "actions/CSCSetValue.h"

#include "actions/ScriptPass.h"
#include "core/EditHook.h"
#include "core/Texts.h"

int CSCSetValue::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCSetValue::Serialize(CArchive& ar)
{
    Dest.Serialize(ar);
    Source.Serialize(ar);
}

std::string CSCSetValue::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    return Format("\tMOV %s %s\n", {Dest.GetScriptForm(), Source.GetScriptForm()});
}

const std::string& CSCSetValue::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0)
        caption = T(Txt::InputError);
    else
        caption = Format(T(Txt::SetValueCaption), {Dest.m_name, Source.m_name});
    return caption;
}

void CSCSetValue::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCSetValue*>(source);
    Dest = from->Dest;
    Source = from->Source;
}

void CSCSetValue::PreEdit() {}

void CSCSetValue::GetMemNodes(MemNodeArray& nodes)
{
    nodes.push_back(&Dest);
    nodes.push_back(&Source);
}

BOOL CSCSetValue::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_SETVALUE)
        return 0;
    const auto* that = static_cast<CSCSetValue*>(other);
    return Dest == that->Dest && Source == that->Source;
}

int CSCSetValue::IsInvalid() { return Dest.m_name.empty() || Source.m_name.empty() ? 1 : 0; }

BOOL CSCSetValue::MergeLimit(DWORD) { return 1; }

void CSCSetValue::MemSync(std::string, std::string) {}
