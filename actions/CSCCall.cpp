#include "actions/CSCCall.h"

#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/EditHook.h"
#include "core/Texts.h"

namespace {

// The first ":"-separated token, leading separators skipped.
std::string RoutineName(const std::string& entry)
{
    size_t start = 0;
    while (start < entry.size() && entry[start] == ':')
        ++start;
    const std::string_view rest = std::string_view(entry).substr(start);
    return std::string(rest.substr(0, cp932::Find(rest, ":")));
}

}

int CSCCall::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCCall::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_routine;
    else
        ar >> m_routine;
}

std::string CSCCall::ExportStr(const std::string& key, IPWObject*)
{
    return IsMainPass(key) ? Format("\tSUB %s\n", {RoutineName(m_routine)}) : std::string();
}

const std::string& CSCCall::GetCaption()
{
    static std::string caption;
    caption = IsInvalid() != 0 ? T(Txt::InputError) : Format(T(Txt::CallCaption), {m_routine});
    return caption;
}

void CSCCall::CopyPropertiesFrom(IStepchain* source) { m_routine = static_cast<CSCCall*>(source)->m_routine; }

void CSCCall::PreEdit() {}

void CSCCall::GetMemNodes(MemNodeArray&) {}

BOOL CSCCall::CompareProperties(IStepchain* other)
{
    return other->GetActionType() == SC_CALL && static_cast<CSCCall*>(other)->m_routine == m_routine;
}

int CSCCall::IsInvalid() { return m_routine.empty() ? 1 : 0; }

BOOL CSCCall::MergeLimit(DWORD) { return 1; }

void CSCCall::MemSync(std::string, std::string) {}
