#include "actions/CSCOpe.h"

#include <iterator>

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kResult{"result memory", u8"操作メモリー"};
constexpr FieldLabel kLeft{"first value", u8"値1"};
constexpr FieldLabel kRight{"second value", u8"値2"};

}

const ActionFieldTable& CSCOpe::Fields()
{
    static const ActionFieldTable table{"arithmetic",
                                        {OperandField("Result", &CSCOpe::Result), OperandField("Left", &CSCOpe::Left),
                                         OperandField("Right", &CSCOpe::Right),
                                         Int32Field("Operator", &CSCOpe::Operator, FieldRange{0, 4})}};
    return table;
}

const char* CSCOpe::ScriptOperator(int32_t op)
{
    static constexpr const char* kOperators[] = {"+", "-", "*", "/", "%"};
    return op >= 0 && op < static_cast<int32_t>(std::size(kOperators)) ? kOperators[op] : "";
}

std::string CSCOpe::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    return Format("\tEXPR %s = %s %s %s\n",
                  {Result.GetScriptForm(), Left.GetScriptForm(), ScriptOperator(Operator), Right.GetScriptForm()});
}

const std::string& CSCOpe::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0)
        caption = T(Txt::InputError);
    else
        caption = Format("%s = %s %s %s\n", {Result.m_name, Left.m_name, ScriptOperator(Operator), Right.m_name});
    return caption;
}

std::vector<ScriptText> CSCOpe::GetScriptTexts()
{
    return {InScript(kResult, Result.GetScriptForm()), InScript(kLeft, Left.GetScriptForm()),
            InScript(kRight, Right.GetScriptForm())};
}

void CSCOpe::Check(InvalidCheck& check)
{
    check.NeedName(Result, kResult);
    check.NeedName(Left, kLeft);
    check.NeedName(Right, kRight);
    if (Operator == -1) {
        check.Fail(1, "no operator is chosen", u8"演算内容が選択されていません");
    } else if (static_cast<uint32_t>(Operator) > 4) {
        check.FailWith(1, [this] {
            const std::string number = std::to_string(Operator);
            return InvalidReason{"operator number " + number + " is not one of the 5 operators",
                                 U8(u8"演算内容の番号") + number + U8(u8"は範囲外です")};
        });
    }
}
