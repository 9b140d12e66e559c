#include "tools/Warnings.h"

#include <optional>
#include <string_view>

#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCLabel.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCString.h"
#include "core/Cp932.h"
#include "host/HostApi.h"

namespace {

// A text that the action writes into its script line as it stands.
struct ScriptText {
    const char* english;
    const char8_t* japanese;
    std::string_view text;
};

// The subroutine that a call writes: the first ":"-separated token.
std::string_view CalledName(std::string_view entry)
{
    const size_t start = entry.find_first_not_of(':');
    if (start == std::string_view::npos)
        return {};
    const std::string_view rest = entry.substr(start);
    return rest.substr(0, cp932::Find(rest, ":"));
}

// The parts of a link reference that its script line calls: the first part
// and the last part ("!"-separated), or the whole reference without "!".
std::vector<std::string_view> LinkedParts(std::string_view link)
{
    const size_t first = cp932::Find(link, "!");
    if (first == std::string_view::npos)
        return {link};
    size_t last = first;
    for (size_t pos = first; pos != std::string_view::npos; pos = cp932::Find(link, "!", pos + 1))
        last = pos;
    return {link.substr(0, first), link.substr(last + 1)};
}

std::vector<ScriptText> ScriptTexts(IStepchain* action)
{
    std::vector<ScriptText> texts;
    auto addLink = [&texts](std::string_view link) {
        for (std::string_view part : LinkedParts(link))
            texts.push_back({"action link", u8"リンク先", part});
    };
    switch (action->GetActionType()) {
    case SC_PASSPAGE:
        texts.push_back({"password", u8"パスワード", static_cast<CSCPassPage*>(action)->m_password});
        break;
    case SC_CALL:
        texts.push_back({"subroutine name", u8"サブルーチン名", CalledName(static_cast<CSCCall*>(action)->m_routine)});
        break;
    case SC_ACTIONLINK: addLink(static_cast<CSCActionLink*>(action)->m_target); break;
    case SC_LABEL: texts.push_back({"label name", u8"ラベル名", static_cast<CSCLabel*>(action)->m_name}); break;
    case SC_BRANCH: texts.push_back({"target label", u8"分岐先ラベル", static_cast<CSCBranch*>(action)->Label}); break;
    case SC_COMM: {
        auto* comm = static_cast<CSCComm*>(action);
        if (comm->ContentKind == CSCComm::CONTENT_MESSAGE)
            texts.push_back({"message", u8"メッセージ", comm->Content.m_name});
        break;
    }
    case SC_KEYPAD: {
        auto* keypad = static_cast<CSCKeypad*>(action);
        if (keypad->UseMessage != 0)
            texts.push_back({"message on confirming", u8"値変更確定時メッセージ", keypad->Message});
        if (keypad->UseActLink != 0)
            addLink(keypad->ActLink);
        break;
    }
    case SC_STRING: {
        auto* string = static_cast<CSCString*>(action);
        if (string->Operation == CSCString::OP_APPEND_TEXT || string->Operation == CSCString::OP_SET_TEXT)
            texts.push_back({"literal text", u8"文字指定", string->Text});
        break;
    }
    default: break;
    }
    return texts;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

// Auto-repeat as the script reads it: on only when the switch is 1.
bool RepeatsAutomatically(IStepchain* action)
{
    switch (action->GetActionType()) {
    case SC_CALC: return static_cast<CSCCalc*>(action)->AutoRepeat == 1;
    case SC_CALCTIME: return static_cast<CSCCalcTime*>(action)->AutoRepeat == 1;
    default: return false;
    }
}

Warning ExitLabel(size_t row)
{
    return {row,
            {"the label 'Exit' is the same as the exit label _[NAME]_[EVENT]_Exit that ends the event's code",
             U8(u8"ラベル'Exit'はイベントの終了ラベル_[NAME]_[EVENT]_Exitと同じです")}};
}

Warning SecondRepeat(size_t row, size_t firstRow)
{
    const std::string first = std::to_string(firstRow + 1);
    return {
        row,
        {"auto-repeat here and in row " + first +
             ": both define the end label [NAME]_[EVENT]_End (the model repeats in a blocking loop)",
         U8(u8"ここと") + first +
             U8(u8"行目のオートリピートが、どちらも終了ラベル[NAME]_[EVENT]_Endを定義します(ループで待つ機種です)")}};
}

Warning LineBreak(size_t row, const ScriptText& field)
{
    return {row,
            {std::string("the ") + field.english + " holds a line break, which splits its script line",
             U8(field.japanese) + U8(u8"に改行が含まれ、スクリプトの行が分かれます")}};
}

}

std::vector<Warning> ListWarnings(CStepchainData& list)
{
    // Models named with "CAVO" repeat from the periodic code and need no end label.
    const bool blocking = !cp932::Contains(host::ReadProjectSettings().ModelName, "CAVO");
    std::optional<size_t> firstRepeat;
    std::vector<Warning> warnings;
    for (size_t row = 0; row < list.GetCount(); ++row) {
        IStepchain* action = list.GetAt(row);
        const std::string* label = GetLabelName(action);
        if (label != nullptr && *label == "Exit")
            warnings.push_back(ExitLabel(row));
        if (blocking && RepeatsAutomatically(action)) {
            if (firstRepeat)
                warnings.push_back(SecondRepeat(row, *firstRepeat));
            else
                firstRepeat = row;
        }
        for (const ScriptText& field : ScriptTexts(action)) {
            if (HasLineBreak(field.text))
                warnings.push_back(LineBreak(row, field));
        }
    }
    return warnings;
}
