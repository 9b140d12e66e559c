#include "actions/CSCCall.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kRoutine{"subroutine name", u8"サブルーチン名"};

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

const ActionFieldTable& CSCCall::Fields()
{
    static const ActionFieldTable table{"call", {TextField("m_routine", &CSCCall::m_routine)}};
    return table;
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

std::vector<ScriptText> CSCCall::GetScriptTexts() { return {InScript(kRoutine, RoutineName(m_routine))}; }

void CSCCall::Check(InvalidCheck& check) { check.NeedText(m_routine, kRoutine); }
