#include "actions/CSCPassPage.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kPassword{"password", u8"パスワード"};
constexpr FieldLabel kJumpPage{"page to jump to", u8"移動先ページ"};
constexpr FieldLabel kKeypadPage{"keypad page", u8"キーパッド配置ページ"};

// Page numbers as the dialog's digits-only edits give them; 0 is not set.
constexpr FieldRange kPages{1, INT32_MAX};

}

const ActionFieldTable& CSCPassPage::Fields()
{
    static const ActionFieldTable table{"password_page_jump",
                                        {TextField("m_password", &CSCPassPage::m_password),
                                         Int32Field("m_jumpPage", &CSCPassPage::m_jumpPage, kPages),
                                         Int32Field("m_keypadPage", &CSCPassPage::m_keypadPage, kPages)}};
    return table;
}

std::string CSCPassPage::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    std::string text =
        "\tCP 9 _Password $[PASSWORD]\n\tVALSET _PasskeyPage [KEYPAGE]\n"
        "\tVALSET _PasskeyOkPage [JUMPPAGE]\n\tSUB _PasskeyCall\n";
    // The order counts: text inserted earlier is scanned by the later replacements.
    text = cp932::ReplaceAll(text, "[KEYPAGE]", Format("#%d", {m_keypadPage}));
    text = cp932::ReplaceAll(text, "[PASSWORD]", m_password);
    return cp932::ReplaceAll(text, "[JUMPPAGE]", Format("#%d", {m_jumpPage}));
}

const std::string& CSCPassPage::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0)
        caption = T(Txt::InputError);
    else
        caption = Format(T(Txt::PassPageCaption), {m_jumpPage, m_password, m_keypadPage});
    return caption;
}

BOOL CSCPassPage::MergeLimit(DWORD limit) { return (limit & 0x02) == 0; }

std::vector<ScriptText> CSCPassPage::GetScriptTexts() { return {InScript(kPassword, m_password)}; }

void CSCPassPage::Check(InvalidCheck& check)
{
    check.NeedPage(m_jumpPage, kJumpPage);
    check.NeedPage(m_keypadPage, kKeypadPage);
}
