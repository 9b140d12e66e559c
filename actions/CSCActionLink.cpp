#include "actions/CSCActionLink.h"

#include <string_view>

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

constexpr std::string_view kSeparator = "!";
constexpr FieldLabel kLink{"action link", u8"リンク先"};

size_t FindLastSeparator(std::string_view text)
{
    size_t last = std::string_view::npos;
    for (size_t pos = cp932::Find(text, kSeparator); pos != std::string_view::npos;
         pos = cp932::Find(text, kSeparator, pos + 1))
        last = pos;
    return last;
}

// Where the device part lies: the first part, leading separators skipped.
struct Span {
    size_t pos;
    size_t length;
};

Span DevicePart(std::string_view target)
{
    size_t pos = 0;
    while (pos < target.size() && target[pos] == kSeparator[0])
        ++pos;
    const size_t end = cp932::Find(target, kSeparator, pos);
    return {pos, (end == std::string_view::npos ? target.size() : end) - pos};
}

}

std::vector<std::string> LinkedParts(std::string_view target)
{
    const size_t first = cp932::Find(target, kSeparator);
    if (first == std::string_view::npos)
        return {std::string(target)};
    return {std::string(target.substr(0, first)), std::string(target.substr(FindLastSeparator(target) + 1))};
}

std::string LinkedRoutine(std::string_view target)
{
    std::string routine;
    for (const std::string& part : LinkedParts(target))
        routine += part;
    return routine;
}

std::string LinkShownText(std::string_view target)
{
    const size_t last = FindLastSeparator(target);
    return last == std::string_view::npos ? std::string() : std::string(target.substr(0, last));
}

const ActionFieldTable& CSCActionLink::Fields()
{
    static const ActionFieldTable table{"action_link", {TextField("m_target", &CSCActionLink::m_target)}};
    return table;
}

void CSCActionLink::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_target;
        return;
    }
    std::string target;
    ar >> target;
    host::TranslateLink(&target);
    m_target = std::move(target);
}

std::string CSCActionLink::ExportStr(const std::string& key, IPWObject*)
{
    // The initialisation pass calls the link as well; only the periodic pass has nothing.
    if (key == PASS_INTERVAL)
        return {};
    return Format("\tVALSET _MODE_ACTION_LINK #1\n\tSUB %s\n\tVALSET _MODE_ACTION_LINK #0\n",
                  {LinkedRoutine(m_target)});
}

const std::string& CSCActionLink::GetCaption()
{
    static std::string caption;
    caption = IsInvalid() != 0 ? T(Txt::InputError) : Format(T(Txt::ActionLinkCaption), {LinkShownText(m_target)});
    return caption;
}

void CSCActionLink::CopyPropertiesFrom(IStepchain* source)
{
    CSCAction::CopyPropertiesFrom(source);
    m_savedTarget = static_cast<CSCActionLink*>(source)->m_savedTarget;
}

BOOL CSCActionLink::MergeLimit(DWORD limit) { return (limit & 0x82) == 0 || (limit & 0x08) != 0; }

void CSCActionLink::MemSync(std::string oldName, std::string newName)
{
    const std::string device = cp932::RemoveAll(cp932::RemoveAll(oldName, "*"), ".");
    const Span part = DevicePart(m_target);
    if (std::string_view(m_target).substr(part.pos, part.length) != device)
        return;

    if (newName.empty()) {
        // An empty target has nothing to put aside; keep what an earlier removal saved.
        if (!m_target.empty()) {
            m_savedTarget = m_target;
            m_target.clear();
        }
        return;
    }
    newName = cp932::RemoveAll(newName, ".");
    if (device.empty()) {
        if (!m_savedTarget.empty() && cp932::Contains(m_savedTarget, newName)) {
            m_target = m_savedTarget;
            m_savedTarget.clear();
        }
        return;
    }
    // Only the device part is renamed: object and event names may contain the old name.
    m_target.replace(part.pos, part.length, newName);
}

std::vector<ScriptText> CSCActionLink::GetScriptTexts()
{
    std::vector<ScriptText> texts;
    for (std::string& part : LinkedParts(m_target))
        texts.push_back(InScript(kLink, std::move(part)));
    return texts;
}

void CSCActionLink::Check(InvalidCheck& check)
{
    if (m_target.empty())
        check.Fail(1, "no action is chosen to link to", u8"リンク先が選択されていません");
}
