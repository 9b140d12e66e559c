#include "ui/dialogs/CSCCallDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <limits>

#include "actions/CSCCall.h"
#include "host/HostApi.h"
#include "ui/FieldInput.h"
#include "ui/UiText.h"

namespace {

QString U(const char8_t* text) { return QString::fromUtf8(text); }

}

CSCCallDlg::CSCCallDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit), m_routine(new QComboBox(this))
{
    setWindowTitle(U(u8"サブルーチン呼び出し"));
    m_routine->setEditable(true);
    m_routine->setInsertPolicy(QComboBox::NoInsert);
    // A routine name has no limit of its own; the box must not cut a long entry.
    m_routine->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    m_routine->setMinimumWidth(m_routine->fontMetrics().averageCharWidth() * 36);
    m_routine->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    // A host that does not answer the query lists nothing; the user types a name.
    if (host::QueryFeature("WIZ_MODULEREGST", &m_entries) == 0)
        m_entries.clear();
    for (const std::string& entry : m_entries)
        m_routine->addItem(ui::FromCp932(entry));

    auto* fields = new QFormLayout;
    fields->addRow(U(u8"サブルーチン名"), m_routine);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

void CSCCallDlg::LoadFields()
{
    m_stored = CopyAs<CSCCall>()->m_routine;
    m_routine->setEditText(ui::FromCp932(m_stored));
}

const std::string* CSCCallDlg::OfferedBytes(const QString& text) const
{
    if (text == ui::FromCp932(m_stored))
        return &m_stored;
    for (const std::string& entry : m_entries) {
        if (text == ui::FromCp932(entry))
            return &entry;
    }
    return nullptr;
}

bool CSCCallDlg::CheckFields()
{
    const QString text = m_routine->currentText();
    if (OfferedBytes(text) != nullptr)
        return true;
    // The name goes into a script line as typed.
    if (ui::HasLineControl(text))
        return Refuse(m_routine, U(u8"サブルーチン名に改行、復帰、タブは使用できません"));
    std::string ignored;
    return ReadText(m_routine->lineEdit(), &ignored);
}

void CSCCallDlg::StoreFields()
{
    const QString text = m_routine->currentText();
    std::string& routine = CopyAs<CSCCall>()->m_routine;
    if (const std::string* offered = OfferedBytes(text))
        routine = *offered;
    else
        ui::ToCp932(text, &routine);
}
