#include "actions/CSCComm.h"

#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/EditHook.h"
#include "core/Texts.h"
#include "host/HostApi.h"

int CSCComm::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCComm::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        Content.Serialize(ar);
        ar << static_cast<LONG>(ContentKind);
        return;
    }
    // A node without a kind suffix keeps the kind it had, and a new action
    // starts as a literal-text message: a memory value stored as an ordinary
    // memory would come back as literal text, out of reach of renames.
    Content.m_kind = CVXMemNode::KIND_MEMORY;
    Content.Serialize(ar);
    LONG kind = 0;
    ar >> kind;
    ContentKind = kind;
    // A message is literal text, whatever suffix its node was stored with.
    if (ContentKind == CONTENT_MESSAGE)
        Content.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
}

std::string CSCComm::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    std::string line;
    switch (ContentKind) {
    case CONTENT_MESSAGE: line = Format("\tOUTPUT $%s\n", {Content.m_name}); break;
    case CONTENT_MEMORY: line = Format("\tOUTPUT_N $%s\n", {Content.GetScriptForm()}); break;
    case CONTENT_OBJECT_EVENT: line = "\tOUTPUT $[NAME]_[EVENT]\n"; break;
    default: break;
    }
    if (host::HasFeature("WIZ_FONTBUILDER"))
        line = cp932::ToUTF8(line);
    return line;
}

const std::string& CSCComm::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0)
        caption = T(Txt::InputError);
    else if (ContentKind == CONTENT_MESSAGE)
        caption = Format(T(Txt::CommMessage), {Content.m_name});
    else if (ContentKind == CONTENT_MEMORY)
        caption = Format(T(Txt::CommMemoryValue), {Content.GetDisplayText()});
    else
        caption = T(Txt::CommObjectEvent);
    return caption;
}

void CSCComm::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCComm*>(source);
    Content = from->Content;
    ContentKind = from->ContentKind;
}

void CSCComm::PreEdit() {}

void CSCComm::GetMemNodes(MemNodeArray& nodes) { nodes.push_back(&Content); }

BOOL CSCComm::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_COMM)
        return 0;
    const auto* o = static_cast<CSCComm*>(other);
    return Content == o->Content && ContentKind == o->ContentKind;
}

int CSCComm::IsInvalid()
{
    if (!Content.m_name.empty())
        return 0;
    return ContentKind == CONTENT_OBJECT_EVENT ? 0 : 1;
}

BOOL CSCComm::MergeLimit(DWORD limit) { return (limit & 0x10) == 0 ? 1 : 0; }

void CSCComm::MemSync(std::string, std::string) {}
