#include "ui/dialogs/CSCBranchDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <iterator>
#include <limits>

#include "actions/CSCBranch.h"
#include "ui/CVXMemEditSC.h"
#include "ui/FieldGrid.h"
#include "ui/FieldInput.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"

namespace {
// In condition order.
const char8_t* const kConditions[] = {u8"無条件", u8"一致", u8"以上", u8"以下", u8"不一致"};
constexpr int32_t kConditionCount = std::size(kConditions);
}

CSCBranchDlg::CSCBranchDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit), m_condition(new QComboBox(this)),
      m_subject(new OperandEdit(this, &CopyAs<CSCBranch>()->Subject, 6, this)),
      m_reference(new OperandEdit(this, &CopyAs<CSCBranch>()->Reference, 6, this)), m_label(new QLineEdit(this))
{
    setWindowTitle(QString::fromUtf8(u8"条件分岐"));
    m_condition->setEditable(true);
    m_condition->setInsertPolicy(QComboBox::NoInsert);
    for (const char8_t* entry : kConditions)
        m_condition->addItem(QString::fromUtf8(entry));
    connect(m_condition, &QComboBox::currentIndexChanged, this, &CSCBranchDlg::OnConditionEdited);
    connect(m_condition, &QComboBox::editTextChanged, this, &CSCBranchDlg::OnConditionEdited);
    m_subject->Edit()->m_refuseNumber = 1;
    // The operands are kept as typed; "#5" and "5" give the same script.
    m_subject->m_keepsHash = true;
    m_reference->m_keepsHash = true;
    // The label has no limit of its own; the field must not cut a long one.
    m_label->setMaxLength(std::numeric_limits<int>::max());

    auto* grid = new FieldGrid(this);
    grid->AddField(QString::fromUtf8(u8"条件"), m_condition);
    grid->AddField(QString::fromUtf8(u8"評価メモリ"), m_subject);
    grid->AddField(QString::fromUtf8(u8"比較値"), m_reference);
    grid->AddField(QString::fromUtf8(u8"分岐先ラベル"), m_label);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

int CSCBranchDlg::Position() const { return m_condition->findText(m_condition->currentText(), Qt::MatchExactly); }

// The operand edits follow the condition only once it changes: they all
// start enabled whatever the stored condition, and the "▼" buttons stay enabled.
void CSCBranchDlg::OnConditionEdited()
{
    const int position = Position();
    if (position == m_position)
        return;
    m_position = position;
    m_subject->Edit()->setEnabled(position > 0);
    m_reference->Edit()->setEnabled(position > 0);
}

void CSCBranchDlg::LoadFields()
{
    const auto* branch = CopyAs<CSCBranch>();
    // A stored condition outside the table shows no entry; OK then asks for one.
    const int32_t condition = branch->Condition;
    m_position = condition >= 0 && condition < kConditionCount ? condition : -1;
    m_condition->setCurrentIndex(m_position);
    m_shownLabel = ui::FromCp932(branch->Label);
    m_label->setText(m_shownLabel);
}

bool CSCBranchDlg::CheckFields()
{
    const QString label = m_label->text();
    if (label != m_shownLabel) {
        if (ui::HasLineControl(label))
            return Refuse(m_label, Txt::LabelNameControl);
        std::string ignored;
        if (!ReadText(m_label, &ignored))
            return false;
    }
    if (Position() < 0)
        return Refuse(m_condition, QString::fromUtf8(u8"条件を一覧から選択してください"));
    return true;
}

void CSCBranchDlg::StoreFields()
{
    auto* branch = CopyAs<CSCBranch>();
    // Only a rename while the dialog is open stores without the checks of OK;
    // a label or a condition they would refuse leaves the stored one as it was.
    const QString label = m_label->text();
    std::string bytes;
    if (label != m_shownLabel && !ui::HasLineControl(label) && ui::ToCp932(label, &bytes)) {
        branch->Label = bytes;
        m_shownLabel = label;
    }
    const int position = Position();
    if (position < 0)
        return;
    branch->Condition = position;
    if (position == CSCBranch::COND_ALWAYS) {
        branch->Subject.m_name.clear();
        branch->Reference.m_name.clear();
    }
}
