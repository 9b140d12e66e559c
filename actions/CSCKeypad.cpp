#include "actions/CSCKeypad.h"

#include <string_view>

#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/EditHook.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

// Layout markers of the current record; an older record holds the integer
// digit count (1 or more) in their place.
constexpr LONG kPlainLayout = -1;
constexpr LONG kLinkLayout = -2;

constexpr size_t npos = std::string::npos;

size_t FindLast(const std::string& text, std::string_view pattern)
{
    size_t last = npos;
    for (size_t pos = cp932::Find(text, pattern); pos != npos; pos = cp932::Find(text, pattern, pos + 1))
        last = pos;
    return last;
}

// The subroutine that a link reference names: its first part joined to its last.
std::string LinkLabel(const std::string& link)
{
    const size_t first = cp932::Find(link, "!");
    if (first == npos)
        return link;
    return link.substr(0, first) + link.substr(FindLast(link, "!") + 1);
}

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

int CSCKeypad::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

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
        cp932::ReplaceAllIn(text, "[ACT_LINK]", LinkLabel(ActLink));
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

std::string CSCKeypad::LinkShownText(const std::string& link)
{
    const size_t last = FindLast(link, "!");
    return last == npos ? std::string() : link.substr(0, last);
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
    const auto* from = static_cast<CSCKeypad*>(source);
    Dest = from->Dest;
    FracDigits = from->FracDigits;
    KeyPage = from->KeyPage;
    RangeCheck = from->RangeCheck;
    RangeMax = from->RangeMax;
    RangeMin = from->RangeMin;
    FracMem = from->FracMem;
    TotalDigits = from->TotalDigits;
    FracFromMem = from->FracFromMem;
    UseMessage = from->UseMessage;
    Message = from->Message;
    UseActLink = from->UseActLink;
    ActLink = from->ActLink;
    ActLinkKept = from->ActLinkKept;
}

void CSCKeypad::PreEdit() {}

void CSCKeypad::GetMemNodes(MemNodeArray& nodes)
{
    // The fraction memory comes last: a rename must reach it as well.
    nodes.insert(nodes.end(), {&Dest, &RangeMax, &RangeMin, &FracMem});
}

BOOL CSCKeypad::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_KEYPAD)
        return 0;
    const auto* o = static_cast<CSCKeypad*>(other);
    return Dest == o->Dest && TotalDigits == o->TotalDigits && FracDigits == o->FracDigits &&
           KeyPage == o->KeyPage && RangeCheck == o->RangeCheck && RangeMax == o->RangeMax &&
           RangeMin == o->RangeMin && FracFromMem == o->FracFromMem && FracMem == o->FracMem &&
           UseMessage == o->UseMessage && Message == o->Message && UseActLink == o->UseActLink &&
           ActLink == o->ActLink;
}

int CSCKeypad::IsInvalid()
{
    if (Dest.GetScriptForm().empty() || KeyPage == 0)
        return 1;
    return RangeCheck != 0 && (RangeMax.m_name.empty() || RangeMin.m_name.empty()) ? 1 : 0;
}

BOOL CSCKeypad::MergeLimit(DWORD limit) { return (limit & 0x02) == 0; }

void CSCKeypad::MemSync(std::string oldName, std::string newName)
{
    oldName = cp932::RemoveAll(cp932::RemoveAll(oldName, "*"), ".");
    // Only the device part of the reference counts: removing PLC1 must not touch PLC10!...
    size_t begin = 0;
    size_t end = 0;
    FirstPart(ActLink, begin, end);
    if (ActLink.compare(begin, end - begin, oldName) != 0)
        return;
    if (newName.empty()) {
        // An empty link has nothing to put aside and must not wipe one kept earlier.
        if (!ActLink.empty()) {
            ActLinkKept = std::move(ActLink);
            ActLink.clear();
        }
        return;
    }
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
