#include "actions/CSCLabel.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/CStepchainData.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kName{"label name", u8"ラベル名"};

}

const ActionFieldTable& CSCLabel::Fields()
{
    static const ActionFieldTable table{"label", {TextField("m_name", &CSCLabel::m_name)}};
    return table;
}

std::string CSCLabel::ExportStr(const std::string& key, IPWObject*)
{
    return IsMainPass(key) ? Format("\tR_LBL _[NAME]_[EVENT]_%s\n", {m_name}) : std::string();
}

const std::string& CSCLabel::GetCaption()
{
    static std::string caption;
    const int invalid = IsInvalid();
    if (invalid == 1) {
        caption = T(Txt::InputError);
    } else {
        caption = Format(T(Txt::LabelCaption), {m_name});
        if (invalid == -1)
            caption += T(Txt::LabelDuplicate);
    }
    return caption;
}

std::vector<ScriptText> CSCLabel::GetScriptTexts() { return {InScript(kName, m_name)}; }

void CSCLabel::Check(InvalidCheck& check)
{
    if (m_name.empty()) {
        check.NeedText(m_name, kName);
        return;
    }
    if (m_list->CheckAction(this, 2) != -1)
        return;
    check.FailWith(-1, [this] {
        // The rows of the other labels of this name, counted from 1.
        std::string rows;
        size_t count = 0;
        for (size_t row : m_list->FindLabelRows(m_name)) {
            if (m_list->GetAt(row) == this)
                continue;
            rows += (rows.empty() ? "" : ", ") + std::to_string(row + 1);
            ++count;
        }
        const std::string where = (count == 1 ? "row " : "rows ") + rows;
        return InvalidReason{"the label name " + Quoted(m_name) + " is used again in " + where,
                             U8(u8"ラベル名") + Quoted(m_name) + U8(u8"は") + rows + U8(u8"行目でも使われています")};
    });
}
