#include "actions/CSCPassPage.h"

#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/EditHook.h"
#include "core/Texts.h"

int CSCPassPage::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCPassPage::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_password << m_jumpPage << m_keypadPage;
    else
        ar >> m_password >> m_jumpPage >> m_keypadPage;
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

void CSCPassPage::CopyPropertiesFrom(IStepchain* source)
{
    const auto* other = static_cast<CSCPassPage*>(source);
    m_password = other->m_password;
    m_keypadPage = other->m_keypadPage;
    m_jumpPage = other->m_jumpPage;
}

void CSCPassPage::PreEdit() {}

void CSCPassPage::GetMemNodes(MemNodeArray&) {}

BOOL CSCPassPage::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_PASSPAGE)
        return 0;
    const auto* jump = static_cast<CSCPassPage*>(other);
    return m_password == jump->m_password && m_jumpPage == jump->m_jumpPage && m_keypadPage == jump->m_keypadPage;
}

int CSCPassPage::IsInvalid() { return m_keypadPage == 0 || m_jumpPage == 0 ? 1 : 0; }

BOOL CSCPassPage::MergeLimit(DWORD limit) { return (limit & 0x02) == 0; }

void CSCPassPage::MemSync(std::string, std::string) {}
