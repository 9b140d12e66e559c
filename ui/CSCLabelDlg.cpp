#include "ui/CSCLabelDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <limits>

#include "actions/CSCLabel.h"
#include "ui/FieldInput.h"
#include "ui/UiText.h"

CSCLabelDlg::CSCLabelDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit), m_name(new QLineEdit(this))
{
    setWindowTitle(ui::Text(Txt::LabelDialogTitle));
    auto* layout = new QVBoxLayout(this);
    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(ui::Text(Txt::LabelDialogName), this));
    line->addWidget(m_name, 1);
    layout->addLayout(line);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
    // The name has no limit of its own; the field must not cut a long one.
    m_name->setMaxLength(std::numeric_limits<int>::max());
    m_name->setMinimumWidth(m_name->fontMetrics().averageCharWidth() * 32);
}

void CSCLabelDlg::LoadFields()
{
    m_shown = ui::FromCp932(CopyAs<CSCLabel>()->m_name);
    m_name->setText(m_shown);
}

bool CSCLabelDlg::CheckFields()
{
    const QString text = m_name->text();
    if (text == m_shown)
        return true;
    if (ui::HasLineControl(text))
        return Refuse(m_name, Txt::LabelNameControl);
    std::string name;
    return ReadText(m_name, &name);
}

void CSCLabelDlg::StoreFields()
{
    const QString text = m_name->text();
    if (text == m_shown)
        return;
    ui::ToCp932(text, &CopyAs<CSCLabel>()->m_name);
    m_shown = text;
}
