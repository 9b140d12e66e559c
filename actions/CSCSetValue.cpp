#include "actions/CSCSetValue.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kDest{"destination", u8"代入先"};
constexpr FieldLabel kSource{"value to set", u8"セット値"};

}

const ActionFieldTable& CSCSetValue::Fields()
{
    static const ActionFieldTable table{
        "set_value", {OperandField("Dest", &CSCSetValue::Dest), OperandField("Source", &CSCSetValue::Source)}};
    return table;
}

std::string CSCSetValue::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    return Format("\tMOV %s %s\n", {Dest.GetScriptForm(), Source.GetScriptForm()});
}

const std::string& CSCSetValue::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0)
        caption = T(Txt::InputError);
    else
        caption = Format(T(Txt::SetValueCaption), {Dest.m_name, Source.m_name});
    return caption;
}

std::vector<ScriptText> CSCSetValue::GetScriptTexts()
{
    return {InScript(kDest, Dest.GetScriptForm()), InScript(kSource, Source.GetScriptForm())};
}

void CSCSetValue::Check(InvalidCheck& check)
{
    check.NeedName(Dest, kDest);
    check.NeedName(Source, kSource);
}
