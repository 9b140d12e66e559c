#include "tools/Reasons.h"

#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCLabel.h"
#include "actions/CSCOpe.h"
#include "actions/CSCPageJump.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCSetValue.h"
#include "actions/CSCString.h"
#include "core/Cp932.h"
#include "host/HostApi.h"

namespace {

// Every check below repeats the condition of the action's own IsInvalid,
// so that a row has reasons exactly when it is invalid.

using Reasons = std::vector<Reason>;

// A field as the dialog labels it.
struct Field {
    const char* english;
    const char8_t* japanese;
};

std::string Quoted(const std::string& cp932Text) { return "'" + cp932::ToUTF8(cp932Text) + "'"; }

Reason Missing(const Field& field)
{
    return {std::string("the ") + field.english + " is empty", U8(field.japanese) + U8(u8"が未入力です")};
}

// An operand counts as given when it has a name.
void NeedName(Reasons& out, const CVXMemNode& node, const Field& field)
{
    if (node.m_name.empty())
        out.push_back(Missing(field));
}

// An operand whose script form counts: a name that is nothing but a kind
// suffix writes no memory at all.
void NeedScriptForm(Reasons& out, const CVXMemNode& node, const Field& field)
{
    if (!node.GetScriptForm().empty())
        return;
    if (node.m_name.empty()) {
        out.push_back(Missing(field));
        return;
    }
    out.push_back({std::string("the ") + field.english + " " + Quoted(node.m_name) + " names no memory",
                   U8(field.japanese) + Quoted(node.m_name) + U8(u8"はメモリー名になっていません")});
}

std::string Number(long long value) { return std::to_string(value); }

// Rows counted from 1, joined by ", ".
std::string RowList(const std::vector<size_t>& rows)
{
    std::string text;
    for (size_t row : rows)
        text += (text.empty() ? "" : ", ") + std::to_string(row + 1);
    return text;
}

Reasons PageJumpReasons(CSCPageJump& jump)
{
    if (jump.m_mode == -1)
        return {{"no page action is chosen", U8(u8"動作が選択されていません")}};
    const bool layers = host::HasLayers();
    Reasons out;
    int action = jump.m_mode;
    if (layers) {
        const int effect = static_cast<int>((static_cast<uint32_t>(jump.m_mode) >> 16) & 127u);
        if (effect >= 11)
            out.push_back({"effect number " + Number(effect) + " is not one of the 11 effects",
                           U8(u8"エフェクト番号") + Number(effect) + U8(u8"は範囲外です")});
        action = jump.m_mode & 0xFF;
    }
    if (action == 2) {
        NeedName(out, jump.m_page, {"page to jump to", u8"ページ指定"});
    } else if (action != 0 && action != 1) {
        Reason unknown{"page action " + Number(action) + " is none of next, previous and given page",
                       U8(u8"動作の値") + Number(action) +
                           U8(u8"は次ページ・前ページ・指定ページのどれでもありません")};
        if (!layers && (jump.m_mode & ~0xFF) != 0) {
            unknown.english += " (a setting made for a model with layers)";
            unknown.japanese += U8(u8"(レイヤーのある機種での設定です)");
        }
        out.push_back(unknown);
    }
    return out;
}

Reasons SetValueReasons(CSCSetValue& set)
{
    Reasons out;
    NeedName(out, set.Dest, {"destination", u8"代入先"});
    NeedName(out, set.Source, {"value to set", u8"セット値"});
    return out;
}

Reason RangeLimitMissing(const char* limit, const char8_t* limitJa, const char* check, const char8_t* checkJa)
{
    return {std::string(check) + " is on but the " + limit + " is empty",
            U8(checkJa) + U8(u8"ありですが") + U8(limitJa) + U8(u8"が未入力です")};
}

Reasons CalcReasons(CSCCalc& calc)
{
    Reasons out;
    NeedName(out, calc.Dest, {"destination", u8"代入先"});
    NeedName(out, calc.Delta, {"amount to add", u8"加減算値"});
    if (calc.RangeCheck == 1) {
        if (calc.Upper.m_name.empty())
            out.push_back(RangeLimitMissing("upper limit", u8"上限値", "the range check", u8"上下限チェック"));
        if (calc.Lower.m_name.empty())
            out.push_back(RangeLimitMissing("lower limit", u8"下限値", "the range check", u8"上下限チェック"));
    }
    return out;
}

Reasons CalcTimeReasons(CSCCalcTime& clock)
{
    Reasons out;
    NeedName(out, clock.Hour, {"hour memory", u8"時メモリー"});
    NeedName(out, clock.Minute, {"minute memory", u8"分メモリー"});
    NeedName(out, clock.Delta, {"minutes to add", u8"加減算値"});
    if (clock.TimeLimit == 1) {
        if (clock.LimitHour.m_name.empty())
            out.push_back(RangeLimitMissing("limit hour", u8"制限時", "the time limit", u8"上下限チェック"));
        if (clock.LimitMinute.m_name.empty())
            out.push_back(RangeLimitMissing("limit minute", u8"制限分", "the time limit", u8"上下限チェック"));
    }
    return out;
}

Reasons CommReasons(CSCComm& comm)
{
    if (!comm.Content.m_name.empty() || comm.ContentKind == CSCComm::CONTENT_OBJECT_EVENT)
        return {};
    if (comm.ContentKind == CSCComm::CONTENT_MESSAGE)
        return {Missing({"message", u8"メッセージ"})};
    if (comm.ContentKind == CSCComm::CONTENT_MEMORY)
        return {Missing({"memory whose value is sent", u8"出力するメモリー"})};
    return {{"content kind " + Number(comm.ContentKind) + " is unknown and there is no content",
             U8(u8"送信内容") + Number(comm.ContentKind) + U8(u8"は不明で、内容も未入力です")}};
}

Reason PageNotSet(const char* page, const char8_t* pageJa)
{
    return {std::string("the ") + page + " is not set (0)", U8(pageJa) + U8(u8"が設定されていません(0)")};
}

Reasons PassPageReasons(CSCPassPage& pass)
{
    Reasons out;
    if (pass.m_jumpPage == 0)
        out.push_back(PageNotSet("page to jump to", u8"移動先ページ"));
    if (pass.m_keypadPage == 0)
        out.push_back(PageNotSet("keypad page", u8"キーパッド配置ページ"));
    return out;
}

Reasons KeypadReasons(CSCKeypad& keypad)
{
    Reasons out;
    NeedScriptForm(out, keypad.Dest, {"destination", u8"代入先"});
    if (keypad.KeyPage == 0)
        out.push_back(PageNotSet("keypad page", u8"キーパッド配置ページ"));
    if (keypad.RangeCheck != 0) {
        if (keypad.RangeMax.m_name.empty())
            out.push_back(RangeLimitMissing("maximum", u8"最大値", "the range check", u8"範囲チェック"));
        if (keypad.RangeMin.m_name.empty())
            out.push_back(RangeLimitMissing("minimum", u8"最小値", "the range check", u8"範囲チェック"));
    }
    return out;
}

Reasons OpeReasons(CSCOpe& ope)
{
    Reasons out;
    NeedName(out, ope.Result, {"result memory", u8"操作メモリー"});
    NeedName(out, ope.Left, {"first value", u8"値1"});
    NeedName(out, ope.Right, {"second value", u8"値2"});
    if (ope.Operator == -1)
        out.push_back({"no operator is chosen", U8(u8"演算内容が選択されていません")});
    else if (static_cast<uint32_t>(ope.Operator) > 4)
        out.push_back({"operator number " + Number(ope.Operator) + " is not one of the 5 operators",
                       U8(u8"演算内容の番号") + Number(ope.Operator) + U8(u8"は範囲外です")});
    return out;
}

Reasons CallReasons(CSCCall& call)
{
    if (!call.m_routine.empty())
        return {};
    return {Missing({"subroutine name", u8"サブルーチン名"})};
}

Reasons ActionLinkReasons(CSCActionLink& link)
{
    if (!link.m_target.empty())
        return {};
    return {{"no action is chosen to link to", U8(u8"リンク先が選択されていません")}};
}

Reasons StringReasons(CSCString& string)
{
    Reasons out;
    NeedScriptForm(out, string.Target, {"text memory", u8"操作メモリー"});
    const int32_t operation = string.Operation;
    if (operation == CSCString::OP_DELETE_LAST_ESC)
        return out;
    if (operation == CSCString::OP_NONE) {
        out.push_back({"no operation is chosen", U8(u8"動作が選択されていません")});
        return out;
    }
    if (operation >= CSCString::OP_APPEND_MEMORY) {
        const Field source = operation == CSCString::OP_FORMAT_NUMBER ? Field{"integer memory", u8"整数メモリー指定"}
                             : operation < CSCString::OP_FORMAT_NUMBER
                                 ? Field{"source text memory", u8"テキストメモリー指定"}
                                 : Field{"source memory of the unknown operation", u8"不明な動作の元メモリー"};
        NeedScriptForm(out, string.Source, source);
    }
    if (operation >= CSCString::OP_FORMAT_NUMBER) {
        const int32_t packed = string.Source.m_aux;
        const int32_t digits = CSCString::IntegerDigits(packed) + CSCString::FractionDigits(packed);
        if (packed == 0)
            out.push_back({"the number format has no digits", U8(u8"整数部桁数と小数部桁数がどちらも0です")});
        else if (digits > 11)
            out.push_back({"the number format has " + Number(digits) + " digits in all, more than 11",
                           U8(u8"桁数の合計") + Number(digits) + U8(u8"が11を超えています")});
    }
    return out;
}

Reasons GraphMemReasons(CSCSetGraphMem& graph)
{
    Reasons out;
    NeedName(out, graph.GraphMem, {"graph memory", u8"グラフメモリー"});
    NeedName(out, graph.Position, {"position", u8"位置指定"});
    if (graph.Access == CSCSetGraphMem::ACCESS_READ)
        NeedName(out, graph.Value, {"memory to read into", u8"読み出し先"});
    else
        NeedName(out, graph.Value, {"value to write", u8"セット値"});
    return out;
}

// The rows of the label actions named `name`, but for `except`.
std::vector<size_t> LabelRows(CStepchainData& list, const std::string& name, IStepchain* except)
{
    std::vector<size_t> rows = list.FindLabelRows(name);
    std::erase_if(rows, [&](size_t row) { return list.GetAt(row) == except; });
    return rows;
}

Reasons LabelReasons(CStepchainData& list, CSCLabel& label)
{
    if (label.m_name.empty())
        return {Missing({"label name", u8"ラベル名"})};
    if (list.CheckAction(&label, 2) != -1)
        return {};
    const std::vector<size_t> others = LabelRows(list, label.m_name, &label);
    const std::string rows = RowList(others);
    const std::string where = (others.size() == 1 ? "row " : "rows ") + rows;
    return {{"the label name " + Quoted(label.m_name) + " is used again in " + where,
             U8(u8"ラベル名") + Quoted(label.m_name) + U8(u8"は") + rows + U8(u8"行目でも使われています")}};
}

Reasons BranchReasons(CStepchainData& list, CSCBranch& branch)
{
    Reasons out;
    if (branch.Label.empty())
        out.push_back(Missing({"target label", u8"分岐先ラベル"}));
    if (branch.Condition != CSCBranch::COND_ALWAYS) {
        if (CSCBranch::ScriptOperator(branch.Condition) == nullptr)
            out.push_back({"condition number " + Number(branch.Condition) + " is not one of the 5 conditions",
                           U8(u8"条件の番号") + Number(branch.Condition) + U8(u8"は範囲外です")});
        NeedName(out, branch.Subject, {"memory to evaluate", u8"評価メモリ"});
        NeedName(out, branch.Reference, {"value to compare with", u8"比較値"});
    }
    if (!out.empty())
        return out;
    const std::string label = Quoted(branch.Label);
    switch (list.CheckAction(&branch, 1)) {
    case 1:
        return {{"no label named " + label + " in this list", U8(u8"ラベル") + label + U8(u8"がリストにありません")}};
    case 2: {
        const std::string row = RowList({LabelRows(list, branch.Label, nullptr).front()});
        return {{"the label " + label + " in row " + row + " lies above the branch; a branch only jumps down",
                 U8(u8"ラベル") + label + U8(u8"(") + row + U8(u8"行目)が分岐より上にあります。上へは分岐できません")}};
    }
    default: return {};
    }
}

}

std::vector<Reason> InvalidReasons(CStepchainData& list, IStepchain* action)
{
    switch (action->GetActionType()) {
    case SC_PAGEJUMP: return PageJumpReasons(*static_cast<CSCPageJump*>(action));
    case SC_SETVALUE: return SetValueReasons(*static_cast<CSCSetValue*>(action));
    case SC_CALC: return CalcReasons(*static_cast<CSCCalc*>(action));
    case SC_CALCTIME: return CalcTimeReasons(*static_cast<CSCCalcTime*>(action));
    case SC_COMM: return CommReasons(*static_cast<CSCComm*>(action));
    case SC_PASSPAGE: return PassPageReasons(*static_cast<CSCPassPage*>(action));
    case SC_KEYPAD: return KeypadReasons(*static_cast<CSCKeypad*>(action));
    case SC_OPE: return OpeReasons(*static_cast<CSCOpe*>(action));
    case SC_CALL: return CallReasons(*static_cast<CSCCall*>(action));
    case SC_ACTIONLINK: return ActionLinkReasons(*static_cast<CSCActionLink*>(action));
    case SC_STRING: return StringReasons(*static_cast<CSCString*>(action));
    case SC_SETGRAPHMEM: return GraphMemReasons(*static_cast<CSCSetGraphMem*>(action));
    case SC_LABEL: return LabelReasons(list, *static_cast<CSCLabel*>(action));
    case SC_BRANCH: return BranchReasons(list, *static_cast<CSCBranch*>(action));
    default: return {};
    }
}
