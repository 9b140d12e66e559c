#include "actions/CSCString.h"

#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/EditHook.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

// Layout tags written after the first copy of the target; a record without
// one is the oldest layout, whose first string is the literal text.
const std::string kV3Tag = "@@@V3Format@@@";
const std::string kV2Tag = "@@@V2Format@@@";

// Fixed in every APD and CP line.
constexpr long long kTextLength = 80;

}

CSCString::CSCString(CStepchainData* list) : m_list(list)
{
    Target.m_kind = CVXMemNode::KIND_TEXT;
    Source.m_aux = PackDigits(6, 0);
}

int32_t CSCString::PackDigits(int32_t integerDigits, int32_t fractionDigits) { return integerDigits * 16 + fractionDigits; }

int CSCString::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCString::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        Target.Serialize(ar);
        ar << kV3Tag << Text << static_cast<LONG>(Operation);
        Source.m_kind = Operation == OP_FORMAT_NUMBER ? CVXMemNode::KIND_MEMORY : CVXMemNode::KIND_TEXT;
        Source.Serialize(ar);
        Target.Serialize(ar);
        return;
    }

    Target.Serialize(ar);
    std::string tag;
    ar >> tag;
    const bool v3 = tag == kV3Tag;
    const bool tagged = v3 || tag == kV2Tag;
    if (tagged)
        ar >> Text;
    else
        Text = std::move(tag);
    LONG operation = 0;
    ar >> operation;
    Operation = operation;
    if (!tagged)
        return;
    Source.Serialize(ar);
    // The second copy of the target replaces the first.
    if (v3)
        Target.Serialize(ar);
}

std::string CSCString::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    std::string text = Text;
    if (host::HasFeature("WIZ_FONTBUILDER"))
        text = cp932::ToUTF8(text);
    const std::string target = Target.GetScriptForm();
    switch (Operation) {
    case OP_DELETE_LAST: return Format("BS %s\n", {target});
    case OP_APPEND_TEXT: return Format("APD %d %s $%s\n", {kTextLength, target, text});
    case OP_SET_TEXT: return Format("CP %d %s $%s\n", {kTextLength, target, text});
    case OP_APPEND_MEMORY: return Format("APD %d %s %s\n", {kTextLength, target, Source.GetScriptForm()});
    case OP_COPY_MEMORY: return Format("CP %d %s %s\n", {kTextLength, target, Source.GetScriptForm()});
    case OP_FORMAT_NUMBER: {
        const int32_t integer = IntegerDigits(Source.m_aux);
        const int32_t fraction = FractionDigits(Source.m_aux);
        // The width counts the decimal point when there are fraction digits.
        const long long width = fraction == 0 ? integer : integer + 1LL + fraction;
        return Format("FMT %d %d 3 %s %s\n", {width, static_cast<long long>(fraction), target, Source.GetScriptForm()});
    }
    case OP_DELETE_LAST_ESC: return Format("BS_ESC %s\n", {target});
    default: return {};
    }
}

const std::string& CSCString::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0) {
        caption = T(Txt::InputError);
        return caption;
    }
    const std::string target = Target.GetDisplayText();
    switch (Operation) {
    case OP_DELETE_LAST: caption = Format(T(Txt::StringDeleteLast), {target}); break;
    case OP_APPEND_TEXT: caption = Format(T(Txt::StringAppendText), {target, Text}); break;
    case OP_SET_TEXT: caption = Format(T(Txt::StringSetText), {target, Text}); break;
    case OP_APPEND_MEMORY: caption = Format(T(Txt::StringAppendMemory), {target, Source.GetDisplayText()}); break;
    case OP_COPY_MEMORY: caption = Format(T(Txt::StringCopyMemory), {target, Source.GetDisplayText()}); break;
    case OP_FORMAT_NUMBER: caption = Format(T(Txt::StringFormatNumber), {target, Source.GetDisplayText()}); break;
    case OP_DELETE_LAST_ESC: caption = Format(T(Txt::StringDeleteLastEsc), {target}); break;
    // An operation this module does not know (from a damaged or newer file)
    // writes no script line, so it describes nothing either.
    default: caption.clear(); break;
    }
    return caption;
}

void CSCString::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCString*>(source);
    Target = from->Target;
    Text = from->Text;
    Operation = from->Operation;
    Source = from->Source;
}

void CSCString::PreEdit() {}

// The source is an operand too: a renamed memory must be renamed here as well.
void CSCString::GetMemNodes(MemNodeArray& nodes)
{
    nodes.push_back(&Target);
    nodes.push_back(&Source);
}

BOOL CSCString::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_STRING)
        return 0;
    const auto* o = static_cast<CSCString*>(other);
    return Target == o->Target && Text == o->Text && Operation == o->Operation && Source == o->Source;
}

int CSCString::IsInvalid()
{
    if (Target.GetScriptForm().empty())
        return 1;
    if (Operation == OP_DELETE_LAST_ESC)
        return 0;
    if (Operation == OP_NONE)
        return 1;
    if (Operation >= OP_APPEND_MEMORY && Source.GetScriptForm().empty())
        return 1;
    if (Operation >= OP_FORMAT_NUMBER) {
        if (Source.m_aux == 0)
            return 1;
        if (IntegerDigits(Source.m_aux) + FractionDigits(Source.m_aux) > 11)
            return 1;
    }
    return 0;
}

BOOL CSCString::MergeLimit(DWORD limit) { return (limit & 0x20) == 0 ? 1 : 0; }

void CSCString::MemSync(std::string, std::string) {}
