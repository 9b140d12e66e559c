#include "actions/CSCString.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

// Layout tags written after the first copy of the target; a record without
// one is the oldest layout, whose first string is the literal text.
const std::string kV3Tag = "@@@V3Format@@@";
const std::string kV2Tag = "@@@V2Format@@@";

// Fixed in every APD and CP line.
constexpr long long kTextLength = 80;

// The target starts as a text memory, and a stored name without a marker is one.
constexpr int32_t kTargetKind = CVXMemNode::KIND_TEXT;

constexpr FieldLabel kTarget{"text memory", u8"操作メモリー"};
constexpr FieldLabel kText{"literal text", u8"文字指定"};
constexpr FieldLabel kIntegerSource{"integer memory", u8"整数メモリー指定"};
constexpr FieldLabel kTextSource{"source text memory", u8"テキストメモリー指定"};
constexpr FieldLabel kUnknownSource{"source memory of the unknown operation", u8"不明な動作の元メモリー"};

}

CSCString::CSCString(CStepchainData* list) : CSCAction(list, SC_STRING)
{
    Target.m_kind = kTargetKind;
    Source.m_aux = PackDigits(6, 0);
}

const ActionFieldTable& CSCString::Fields()
{
    static const ActionFieldTable table{
        "string",
        {OperandField("Target", &CSCString::Target, kTargetKind), TextField("Text", &CSCString::Text),
         Int32Field("Operation", &CSCString::Operation, FieldRange{OP_DELETE_LAST, OP_DELETE_LAST_ESC}),
         OperandField("Source", &CSCString::Source)}};
    return table;
}

int32_t CSCString::PackDigits(int32_t integerDigits, int32_t fractionDigits) { return integerDigits * 16 + fractionDigits; }

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

    Target.Serialize(ar, kTargetKind);
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
        Target.Serialize(ar, kTargetKind);
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

BOOL CSCString::MergeLimit(DWORD limit) { return (limit & 0x20) == 0 ? 1 : 0; }

std::vector<ScriptText> CSCString::GetScriptTexts()
{
    if (Operation < OP_DELETE_LAST || Operation > OP_DELETE_LAST_ESC)
        return {};
    std::vector<ScriptText> texts{InScript(kTarget, Target.GetScriptForm())};
    if (Operation == OP_APPEND_TEXT || Operation == OP_SET_TEXT)
        texts.push_back(InScript(kText, Text));
    else if (Operation == OP_FORMAT_NUMBER)
        texts.push_back(InScript(kIntegerSource, Source.GetScriptForm()));
    else if (Operation == OP_APPEND_MEMORY || Operation == OP_COPY_MEMORY)
        texts.push_back(InScript(kTextSource, Source.GetScriptForm()));
    return texts;
}

void CSCString::Check(InvalidCheck& check)
{
    check.NeedScriptForm(Target, kTarget);
    if (Operation == OP_DELETE_LAST_ESC)
        return;
    if (Operation == OP_NONE) {
        check.Fail(1, "no operation is chosen", u8"動作が選択されていません");
        return;
    }
    if (Operation >= OP_APPEND_MEMORY) {
        const FieldLabel& source = Operation == OP_FORMAT_NUMBER ? kIntegerSource
                                   : Operation < OP_FORMAT_NUMBER ? kTextSource
                                                                  : kUnknownSource;
        check.NeedScriptForm(Source, source);
    }
    if (Operation >= OP_FORMAT_NUMBER) {
        const int32_t packed = Source.m_aux;
        const int32_t digits = IntegerDigits(packed) + FractionDigits(packed);
        if (packed == 0) {
            check.Fail(1, "the number format has no digits", u8"整数部桁数と小数部桁数がどちらも0です");
        } else if (digits > 11) {
            check.FailWith(1, [digits] {
                return InvalidReason{"the number format has " + std::to_string(digits) + " digits in all, more than 11",
                                     U8(u8"桁数の合計") + std::to_string(digits) + U8(u8"が11を超えています")};
            });
        }
    }
}
