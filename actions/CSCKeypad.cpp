#include "actions/CSCKeypad.h"


#include "actions/CSCActionLink.h"
#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

// Layout markers of the current record; an older record holds the integer
// digit count (1 or more) in their place.
constexpr LONG kPlainLayout = -1;
constexpr LONG kLinkLayout = -2;

constexpr size_t npos = std::string::npos;

constexpr FieldLabel kDest{"destination", u8"代入先"};
constexpr FieldLabel kKeyPage{"keypad page", u8"キーパッド配置ページ"};
constexpr FieldLabel kRangeCheck{"the range check", u8"範囲チェック"};
constexpr FieldLabel kRangeMax{"maximum", u8"最大値"};
constexpr FieldLabel kRangeMin{"minimum", u8"最小値"};
constexpr FieldLabel kFracMem{"memory of the fraction digits", u8"小数部桁数のメモリー"};
constexpr FieldLabel kMessage{"message on confirming", u8"値変更確定時メッセージ"};
constexpr FieldLabel kLink{"action link", u8"リンク先"};

constexpr FieldRange kSwitch{0, 1};
// One digit, as the dialog's edits take it.
constexpr FieldRange kDigit{0, 9};

// The bounds [begin, end) of the reference's first part, leading "!" skipped.
void FirstPart(const std::string& link, size_t& begin, size_t& end)
{
    begin = link.find_first_not_of('!');
    if (begin == npos)
        begin = link.size();
    end = cp932::Find(link, "!", begin);
    if (end == npos)
        end = link.size();
}

std::string Constant(int32_t value) { return "#" + std::to_string(value); }

std::string OrZero(std::string text) { return text.empty() ? "#0" : text; }

}

const ActionFieldTable& CSCKeypad::Fields()
{
    static const ActionFieldTable table{
        "keypad",
        {OperandField("Dest", &CSCKeypad::Dest), OperandField("RangeMax", &CSCKeypad::RangeMax),
         OperandField("RangeMin", &CSCKeypad::RangeMin), Int32Field("TotalDigits", &CSCKeypad::TotalDigits, kDigit),
         Int32Field("FracFromMem", &CSCKeypad::FracFromMem, kSwitch),
         Int32Field("FracDigits", &CSCKeypad::FracDigits, kDigit), OperandField("FracMem", &CSCKeypad::FracMem),
         Int32Field("KeyPage", &CSCKeypad::KeyPage, FieldRange{1, INT32_MAX}),
         Int32Field("RangeCheck", &CSCKeypad::RangeCheck, kSwitch),
         Int32Field("UseMessage", &CSCKeypad::UseMessage, kSwitch), TextField("Message", &CSCKeypad::Message),
         Int32Field("UseActLink", &CSCKeypad::UseActLink, kSwitch), TextField("ActLink", &CSCKeypad::ActLink)}};
    return table;
}

void CSCKeypad::Serialize(CArchive& ar)
{
    Dest.Serialize(ar);
    RangeMax.Serialize(ar);
    RangeMin.Serialize(ar);
    if (ar.IsStoring()) {
        // A link that is switched off is kept too, so that switching it on
        // again finds it after the project was saved and opened.
        const bool link = UseActLink != 0 || !ActLink.empty();
        ar << (link ? kLinkLayout : kPlainLayout) << TotalDigits << FracFromMem << FracDigits;
        FracMem.Serialize(ar);
        ar << KeyPage << RangeCheck << UseMessage << Message;
        if (link)
            ar << UseActLink << ActLink;
        return;
    }

    LONG marker = 0;
    ar >> marker;
    if (marker >= 1) {
        LoadOlderLayout(ar, marker);
        return;
    }
    ar >> TotalDigits >> FracFromMem >> FracDigits;
    FracMem.Serialize(ar);
    ar >> KeyPage >> RangeCheck >> UseMessage >> Message;
    if (marker == kLinkLayout) {
        std::string link;
        ar >> UseActLink >> link;
        host::TranslateLink(&link);
        ActLink = std::move(link);
    }
}

void CSCKeypad::LoadOlderLayout(CArchive& ar, int32_t intDigits)
{
    ar >> FracDigits >> KeyPage >> RangeCheck;
    // The older record counted integer digits only; the sum wraps like the
    // 32-bit field instead of overflowing on absurd counts.
    TotalDigits = FracDigits == 0
                      ? intDigits
                      : static_cast<int32_t>(static_cast<uint32_t>(intDigits) + 1u + static_cast<uint32_t>(FracDigits));
    FracFromMem = 0;
}

void CSCKeypad::AppendConfirmLines(std::string& text) const
{
    if (UseMessage != 0) {
        text += "\tVALSET _Tenkey_MessageCallback_IsMes #1\n\tCP 40 _Tenkey_MessageCallback_Mes $[CALLBACK_MES]\n";
        cp932::ReplaceAllIn(text, "[CALLBACK_MES]", Message);
    } else {
        text += "\tVALSET _Tenkey_MessageCallback_IsMes #0\n";
    }
    if (UseActLink != 0) {
        text += "\tVALSET _TenkeyCallBackActLink #[ACT_LINK]\n";
        cp932::ReplaceAllIn(text, "[ACT_LINK]", LinkedRoutine(ActLink));
    }
}

std::string CSCKeypad::NumericScript() const
{
    std::string text =
        "\tVALSET _TenkeyLinkMemAddr &[LINKMEM]\n\tVALSET _TenkeyLinkMemType :[LINKMEM]\n"
        "\tVALSET _TenkeyKeyPage [KEYPAGE]\n\tVALSET _TenkeyRangeCheck [RANGECHECK]\n"
        "\tVALSET _TenkeyRangeCheckMax [RANGEMAX]\n\tVALSET _TenkeyRangeCheckMin [RANGEMIN]\n"
        "\tVALSET _TenkeyLength [INTLEN]\n\tVALSET _TenkeyFloatLength [FLOATLEN]\n";
    if (UseMessage == 0 && UseActLink == 0) {
        text += "\tVALSET _TenkeyCancelCallBack #0\n\tVALSET _TenkeyCallBack #0\n";
    } else {
        text += "\tVALSET _TenkeyCancelCallBack #0\n\tVALSET _TenkeyCallBack #_Tenkey_MessageCallback_Func\n";
        AppendConfirmLines(text);
    }
    text += "\tSUB _TenkeyCall\n";
    cp932::ReplaceAllIn(text, "[KEYPAGE]", Constant(KeyPage));
    cp932::ReplaceAllIn(text, "[FLOATLEN]", FracFromMem != 0 ? FracMem.GetScriptForm() : Constant(FracDigits));
    cp932::ReplaceAllIn(text, "[INTLEN]", Constant(TotalDigits));
    cp932::ReplaceAllIn(text, "[RANGECHECK]", Constant(RangeCheck));
    cp932::ReplaceAllIn(text, "[RANGEMAX]", OrZero(RangeMax.GetScriptForm()));
    cp932::ReplaceAllIn(text, "[RANGEMIN]", OrZero(RangeMin.GetScriptForm()));
    cp932::ReplaceAllIn(text, "[LINKMEM]", Dest.GetScriptForm());
    return text;
}

std::string CSCKeypad::CharacterScript() const
{
    std::string text =
        "\tVALSET _ASCII_KeyDestAddr &[LINKMEM]\n\tVALSET _ASCII_KeyPage [KEYPAGE]\n\tVALSET _ASCII_KeyDestLen #80\n";
    if (UseMessage == 0 && UseActLink == 0) {
        text += "\tVALSET _ASCII_KeyEntCallBack  #0\n";
    } else {
        text += "\tVALSET _ASCII_KeyCancelCallBack  #0\n\tVALSET _ASCII_KeyEntCallBack  #_Tenkey_MessageCallback_Func\n";
        AppendConfirmLines(text);
    }
    text += "\tSUB _ASCII_keyCall\n";
    cp932::ReplaceAllIn(text, "[KEYPAGE]", Constant(KeyPage));
    cp932::ReplaceAllIn(text, "[LINKMEM]", Dest.GetScriptForm());
    return text;
}

std::string CSCKeypad::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    return Dest.m_kind == CVXMemNode::KIND_MEMORY ? NumericScript() : CharacterScript();
}

const std::string& CSCKeypad::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0) {
        caption = T(Txt::InputError);
        return caption;
    }
    if (Dest.m_kind == CVXMemNode::KIND_TEXT) {
        caption = Format(T(Txt::KeypadTextCaption), {Dest.GetDisplayText(), KeyPage});
        return caption;
    }
    caption = Format(T(Txt::KeypadCaption), {Dest.GetDisplayText(), KeyPage, TotalDigits});
    if (FracFromMem != 0)
        caption += Format(T(Txt::KeypadFracMem), {FracMem.GetDisplayText()});
    else if (FracDigits >= 1)
        caption += Format(T(Txt::KeypadFrac), {FracDigits});
    if (RangeCheck != 0)
        caption += Format(T(Txt::KeypadRange), {RangeMax.m_name, RangeMin.m_name});
    if (UseMessage != 0 || UseActLink != 0)
        caption += T(Txt::KeypadOnConfirm);
    if (UseMessage != 0)
        caption += Format(T(Txt::KeypadMessage), {Message});
    if (UseActLink != 0)
        caption += Format(T(Txt::KeypadActLink), {LinkShownText(ActLink)});
    caption += "]";
    return caption;
}

void CSCKeypad::CopyPropertiesFrom(IStepchain* source)
{
    CSCAction::CopyPropertiesFrom(source);
    ActLinkKept = static_cast<CSCKeypad*>(source)->ActLinkKept;
}

BOOL CSCKeypad::MergeLimit(DWORD limit) { return (limit & 0x02) == 0; }

void CSCKeypad::MemSync(std::string oldName, std::string newName)
{
    oldName = cp932::RemoveAll(cp932::RemoveAll(oldName, "*"), ".");
    // Only the device part of the reference counts: removing PLC1 must not touch PLC10!...
    size_t begin = 0;
    size_t end = 0;
    FirstPart(ActLink, begin, end);
    const bool linked = ActLink.compare(begin, end - begin, oldName) == 0;
    if (newName.empty()) {
        // Every link holds an empty device name, so a removal without one puts
        // any link aside. An empty link has nothing to put aside and must not
        // wipe one kept earlier.
        if ((linked || oldName.empty()) && !ActLink.empty()) {
            ActLinkKept = std::move(ActLink);
            ActLink.clear();
        }
        return;
    }
    if (!linked)
        return;
    newName = cp932::RemoveAll(newName, ".");
    if (oldName.empty()) {
        if (!ActLinkKept.empty() && cp932::Contains(ActLinkKept, newName)) {
            ActLink = std::move(ActLinkKept);
            ActLinkKept.clear();
        }
        return;
    }
    ActLink.replace(begin, end - begin, newName);
}

std::vector<ScriptText> CSCKeypad::GetScriptTexts()
{
    std::vector<ScriptText> texts{InScript(kDest, Dest.GetScriptForm())};
    if (Dest.m_kind == CVXMemNode::KIND_MEMORY) {
        texts.push_back(InScript(kRangeMax, RangeMax.GetScriptForm()));
        texts.push_back(InScript(kRangeMin, RangeMin.GetScriptForm()));
        if (FracFromMem != 0)
            texts.push_back(InScript(kFracMem, FracMem.GetScriptForm()));
    }
    if (UseMessage != 0)
        texts.push_back(InScript(kMessage, Message));
    if (UseActLink != 0) {
        for (std::string& part : LinkedParts(ActLink))
            texts.push_back(InScript(kLink, std::move(part)));
    }
    return texts;
}

void CSCKeypad::Check(InvalidCheck& check)
{
    check.NeedScriptForm(Dest, kDest);
    check.NeedPage(KeyPage, kKeyPage);
    if (RangeCheck != 0) {
        check.NeedLimit(RangeMax, kRangeMax, kRangeCheck);
        check.NeedLimit(RangeMin, kRangeMin, kRangeCheck);
    }
}
