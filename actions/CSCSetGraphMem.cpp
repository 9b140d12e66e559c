#include "actions/CSCSetGraphMem.h"

#include "actions/ScriptPass.h"
#include "core/EditHook.h"
#include "core/Texts.h"

CSCSetGraphMem::CSCSetGraphMem(CStepchainData* list) : m_list(list) { GraphMem.m_kind = CVXMemNode::KIND_GRAPH; }

int CSCSetGraphMem::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCSetGraphMem::Serialize(CArchive& ar)
{
    GraphMem.Serialize(ar);
    Position.Serialize(ar);
    Value.Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<LONG>(Access);
    } else {
        LONG access = 0;
        ar >> access;
        Access = access;
    }
}

std::string CSCSetGraphMem::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    const std::string graph = GraphMem.GetScriptForm();
    const std::string value = Value.GetScriptForm();
    std::string script = Format("\tEDIM tmpAddr w\n\tEXPR tmpAddr=&%s+%s\n", {graph, Position.GetScriptForm()});
    if (Access == ACCESS_READ)
        script += Format("\tMOV %s b(tmpAddr)\n", {value});
    else
        script += Format("\tMOV b(tmpAddr) %s\n\tUPDATE_MEMLINK %s\n", {value, graph});
    return script;
}

const std::string& CSCSetGraphMem::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0) {
        caption = T(Txt::InputError);
    } else {
        const Txt direction = Access == ACCESS_READ ? Txt::GraphMemRead : Txt::GraphMemWrite;
        caption = Format(T(Txt::GraphMemCaption), {GraphMem.GetScriptForm(), Position.GetScriptForm(),
                                                   Value.GetScriptForm(), T(direction)});
    }
    return caption;
}

void CSCSetGraphMem::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCSetGraphMem*>(source);
    GraphMem = from->GraphMem;
    Position = from->Position;
    Value = from->Value;
    Access = from->Access;
}

void CSCSetGraphMem::PreEdit() {}

void CSCSetGraphMem::GetMemNodes(MemNodeArray& nodes)
{
    nodes.push_back(&GraphMem);
    nodes.push_back(&Position);
    nodes.push_back(&Value);
}

BOOL CSCSetGraphMem::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_SETGRAPHMEM)
        return 0;
    const auto* o = static_cast<CSCSetGraphMem*>(other);
    return GraphMem == o->GraphMem && Position == o->Position && Value == o->Value && Access == o->Access;
}

int CSCSetGraphMem::IsInvalid()
{
    return GraphMem.m_name.empty() || Value.m_name.empty() || Position.m_name.empty() ? 1 : 0;
}

BOOL CSCSetGraphMem::MergeLimit(DWORD) { return 1; }

void CSCSetGraphMem::MemSync(std::string, std::string) {}
