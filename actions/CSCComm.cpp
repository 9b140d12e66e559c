#include "actions/CSCComm.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

constexpr FieldLabel kMessage{"message", u8"メッセージ"};
constexpr FieldLabel kMemory{"memory whose value is sent", u8"出力するメモリー"};

}

const ActionFieldTable& CSCComm::Fields()
{
    // A memory value stored without a marker is an ordinary memory; only a
    // message, told by the content kind, becomes literal text.
    static const ActionFieldTable table{
        "comm_output",
        {OperandField("Content", &CSCComm::Content),
         Int32Field("ContentKind", &CSCComm::ContentKind, FieldRange{CONTENT_MESSAGE, CONTENT_OBJECT_EVENT})}};
    return table;
}

void CSCComm::Serialize(CArchive& ar)
{
    CSCAction::Serialize(ar);
    if (ar.IsLoading() && ContentKind == CONTENT_MESSAGE)
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

BOOL CSCComm::MergeLimit(DWORD limit) { return (limit & 0x10) == 0 ? 1 : 0; }

std::vector<ScriptText> CSCComm::GetScriptTexts()
{
    switch (ContentKind) {
    case CONTENT_MESSAGE: return {InScript(kMessage, Content.m_name)};
    case CONTENT_MEMORY: return {InScript(kMemory, Content.GetScriptForm())};
    default: return {};
    }
}

void CSCComm::Check(InvalidCheck& check)
{
    if (!Content.m_name.empty())
        return;
    switch (ContentKind) {
    case CONTENT_MESSAGE: check.NeedName(Content, kMessage); break;
    case CONTENT_MEMORY: check.NeedName(Content, kMemory); break;
    case CONTENT_OBJECT_EVENT: break;
    default:
        check.FailWith(1, [this] {
            const std::string number = std::to_string(ContentKind);
            return InvalidReason{"content kind " + number + " is unknown and there is no content",
                                 U8(u8"送信内容") + number + U8(u8"は不明で、内容も未入力です")};
        });
        break;
    }
}
