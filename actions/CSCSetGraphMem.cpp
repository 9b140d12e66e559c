#include "actions/CSCSetGraphMem.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kGraphMem{"graph memory", u8"グラフメモリー"};
constexpr FieldLabel kPosition{"position", u8"位置指定"};
constexpr FieldLabel kReadInto{"memory to read into", u8"読み出し先"};
constexpr FieldLabel kWritten{"value to write", u8"セット値"};

// The graph memory starts as one, and a stored name without a marker is one.
constexpr int32_t kGraphMemKind = CVXMemNode::KIND_GRAPH;

}

CSCSetGraphMem::CSCSetGraphMem(CStepchainData* list) : CSCAction(list, SC_SETGRAPHMEM)
{
    GraphMem.m_kind = kGraphMemKind;
}

const ActionFieldTable& CSCSetGraphMem::Fields()
{
    static const ActionFieldTable table{
        "graph_memory",
        {OperandField("GraphMem", &CSCSetGraphMem::GraphMem, kGraphMemKind),
         OperandField("Position", &CSCSetGraphMem::Position), OperandField("Value", &CSCSetGraphMem::Value),
         Int32Field("Access", &CSCSetGraphMem::Access, FieldRange{ACCESS_WRITE, ACCESS_READ})}};
    return table;
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

std::vector<ScriptText> CSCSetGraphMem::GetScriptTexts()
{
    return {InScript(kGraphMem, GraphMem.GetScriptForm()), InScript(kPosition, Position.GetScriptForm()),
            InScript(Access == ACCESS_READ ? kReadInto : kWritten, Value.GetScriptForm())};
}

void CSCSetGraphMem::Check(InvalidCheck& check)
{
    check.NeedName(GraphMem, kGraphMem);
    check.NeedName(Position, kPosition);
    check.NeedName(Value, Access == ACCESS_READ ? kReadInto : kWritten);
}
