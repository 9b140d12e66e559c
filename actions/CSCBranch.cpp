#include "actions/CSCBranch.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/CStepchainData.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kLabel{"target label", u8"分岐先ラベル"};
constexpr FieldLabel kSubject{"memory to evaluate", u8"評価メモリ"};
constexpr FieldLabel kReference{"value to compare with", u8"比較値"};

}

const ActionFieldTable& CSCBranch::Fields()
{
    // The comparison value is stored before the evaluated memory.
    static const ActionFieldTable table{
        "branch",
        {OperandField("Reference", &CSCBranch::Reference), OperandField("Subject", &CSCBranch::Subject),
         TextField("Label", &CSCBranch::Label), Int32Field("Condition", &CSCBranch::Condition, FieldRange{0, 4})}};
    return table;
}

const char* CSCBranch::ScriptOperator(int32_t condition)
{
    switch (condition) {
    case COND_EQUAL: return "=";
    case COND_GREATER_EQUAL: return ">=";
    case COND_LESS_EQUAL: return "<=";
    case COND_NOT_EQUAL: return "!=";
    default: return nullptr;
    }
}

std::string CSCBranch::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    // A condition outside the table jumps unconditionally rather than write
    // a comparison without an operator; IsInvalid reports it.
    const char* op = ScriptOperator(Condition);
    if (op == nullptr)
        return Format("\tR_JP _[NAME]_[EVENT]_%s\n", {Label});
    return Format("\tCMP %s %s %s\n\tR_BR _[NAME]_[EVENT]_%s\n",
                  {op, Subject.GetScriptForm(), Reference.GetScriptForm(), Label});
}

const std::string& CSCBranch::GetCaption()
{
    static std::string caption;
    const int invalid = IsInvalid();
    if (invalid == -1) {
        caption = T(Txt::InputError);
        return caption;
    }
    if (Condition == COND_ALWAYS) {
        caption = Format(T(Txt::BranchJumpCaption), {Label});
    } else {
        caption = Format(T(Txt::BranchCompareCaption),
                         {Subject.GetScriptForm(), ScriptOperator(Condition), Reference.GetScriptForm(), Label});
    }
    if (invalid == 1)
        caption += T(Txt::BranchLabelMissing);
    else if (invalid == 2)
        caption += T(Txt::BranchBackward);
    return caption;
}

std::vector<ScriptText> CSCBranch::GetScriptTexts()
{
    if (ScriptOperator(Condition) == nullptr)
        return {InScript(kLabel, Label)};
    return {InScript(kSubject, Subject.GetScriptForm()), InScript(kReference, Reference.GetScriptForm()),
            InScript(kLabel, Label)};
}

void CSCBranch::Check(InvalidCheck& check)
{
    check.NeedText(Label, kLabel, -1);
    if (Condition != COND_ALWAYS) {
        if (ScriptOperator(Condition) == nullptr) {
            check.FailWith(-1, [this] {
                const std::string number = std::to_string(Condition);
                return InvalidReason{"condition number " + number + " is not one of the 5 conditions",
                                     U8(u8"条件の番号") + number + U8(u8"は範囲外です")};
            });
        }
        check.NeedName(Subject, kSubject, -1);
        check.NeedName(Reference, kReference, -1);
    }
    if (check.Code() != 0)
        return;
    switch (m_list->CheckAction(this, 1)) {
    case 1:
        check.FailWith(1, [this] {
            const std::string label = Quoted(Label);
            return InvalidReason{"no label named " + label + " in this list",
                                 U8(u8"ラベル") + label + U8(u8"がリストにありません")};
        });
        return;
    case 2:
        check.FailWith(2, [this] {
            const std::string label = Quoted(Label);
            const std::vector<size_t> rows = m_list->FindLabelRows(Label);
            const std::string row = rows.empty() ? std::string() : std::to_string(rows.front() + 1);
            return InvalidReason{"the label " + label + " in row " + row +
                                     " lies above the branch; a branch only jumps down",
                                 U8(u8"ラベル") + label + U8(u8"(") + row +
                                     U8(u8"行目)が分岐より上にあります。上へは分岐できません")};
        });
        return;
    default: return;
    }
}
