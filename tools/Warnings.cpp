#include "tools/Warnings.h"

#include <optional>

#include "actions/AutoRepeatScript.h"
#include "actions/CSCAction.h"

namespace {

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

// What in a text breaks the script line it goes into.
void BrokenLine(size_t row, const ScriptText& field, std::vector<Warning>& warnings)
{
    if (field.text.find_first_of("\r\n") != std::string::npos)
        warnings.push_back({row,
                            {"the " + field.english + " holds a line break, which splits its script line",
                             field.japanese + U8(u8"に改行が含まれ、スクリプトの行が分かれます")}});
    if (field.text.find('\0') != std::string::npos)
        warnings.push_back({row,
                            {"the " + field.english + " holds a zero byte, which ends the script there",
                             field.japanese + U8(u8"にゼロのバイトが含まれ、スクリプトがそこで終わります")}});
}

}

std::vector<Warning> ListWarnings(CStepchainData& list)
{
    const bool blocking = AutoRepeatBlocks();
    std::optional<size_t> firstRepeat;
    std::vector<Warning> warnings;
    for (size_t row = 0; row < list.GetCount(); ++row) {
        IStepchain* action = list.GetAt(row);
        const std::string* label = GetLabelName(action);
        if (label != nullptr && *label == "Exit")
            warnings.push_back(ExitLabel(row));
        CSCAction* kind = CSCAction::AsAction(action);
        if (blocking && kind->RepeatsAutomatically()) {
            if (firstRepeat)
                warnings.push_back(SecondRepeat(row, *firstRepeat));
            else
                firstRepeat = row;
        }
        for (const ScriptText& field : kind->GetScriptTexts())
            BrokenLine(row, field, warnings);
    }
    return warnings;
}
