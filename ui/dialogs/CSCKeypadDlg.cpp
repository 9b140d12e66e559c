#include "ui/dialogs/CSCKeypadDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "actions/CSCActionLink.h"
#include "actions/CSCKeypad.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"

using ui::Utf8;

namespace {
constexpr uint32_t kDestFilter = 0x40000004;
constexpr uint32_t kValueFilter = 6;
constexpr int kMaxTotalDigits = 9;
constexpr size_t kMaxMessageBytes = 32;
// Page numbers of nine digits stay clear of the 32 bits the page is kept in.
constexpr int kPageDigits = 9;
}

CSCKeypadDlg::CSCKeypadDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      dest(new OperandEdit(this, &CopyAs<CSCKeypad>()->Dest, kDestFilter, this)),
      totalDigits(ui::MakeDigitEdit(this, 1)),
      fracDigits(ui::MakeDigitEdit(this, 1)),
      fracMem(new OperandEdit(this, &CopyAs<CSCKeypad>()->FracMem, kValueFilter, this)),
      fracFromMem(new QCheckBox(Utf8(u8"メモリーで指定する"), this)),
      keyPage(ui::MakeDigitEdit(this, kPageDigits)),
      rangeList(new QComboBox(this)),
      rangeMax(new OperandEdit(this, &CopyAs<CSCKeypad>()->RangeMax, kValueFilter, this)),
      rangeMin(new OperandEdit(this, &CopyAs<CSCKeypad>()->RangeMin, kValueFilter, this)),
      useMessage(new QCheckBox(Utf8(u8"値変更確定時メッセージを出力する"), this)),
      message(new QLineEdit(this)),
      useActLink(new QCheckBox(Utf8(u8"値変更確定時、アクションのリンクを行なう"), this)),
      actLink(new QLineEdit(this)),
      chooseLink(new QPushButton(ui::Text(Txt::ButtonChoose), this))
{
    setWindowTitle(Utf8(u8"キーパッド呼出"));
    dest->Edit()->m_refuseNumber = 1;
    dest->Edit()->m_kindMask = CVXMemEditSC::KIND_MEMORY_BIT | CVXMemEditSC::KIND_TEXT_BIT;
    rangeList->addItem(Utf8(u8"しない"));
    rangeList->addItem(Utf8(u8"する"));
    actLink->setReadOnly(true);

    // Label and field in two columns; a field may be a line of several controls.
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const char8_t* label, std::initializer_list<QWidget*> fields) {
        grid->addWidget(new QLabel(Utf8(label), this), row, 0);
        auto* line = new QHBoxLayout;
        bool stretches = false;
        for (QWidget* field : fields) {
            const bool wide = qobject_cast<OperandEdit*>(field) != nullptr || field == actLink;
            line->addWidget(field, wide ? 1 : 0);
            stretches = stretches || wide;
        }
        if (!stretches)
            line->addStretch(1);
        grid->addLayout(line, row++, 1);
    };
    addRow(u8"代入先", {dest});
    addRow(u8"総桁数", {totalDigits});
    addRow(u8"小数部桁数", {fracDigits, fracMem, fracFromMem});
    addRow(u8"キーパッド配置ページ", {keyPage});
    addRow(u8"範囲チェック", {rangeList});
    addRow(u8"最大値", {rangeMax});
    addRow(u8"最小値", {rangeMin});
    grid->addWidget(useMessage, row++, 0, 1, 2);
    grid->addWidget(message, row++, 0, 1, 2);
    grid->addWidget(useActLink, row++, 0, 1, 2);
    addRow(u8"リンク先", {actLink, chooseLink});
    grid->setColumnStretch(1, 1);
    for (OperandEdit* field : {dest, rangeMax, rangeMin})
        field->setMinimumWidth(fontMetrics().averageCharWidth() * 24);
    // The fraction memory shares its line with the check box; the dialog keeps its width when it shows.
    fracMem->setMinimumWidth(fontMetrics().averageCharWidth() * 12);
    rangeList->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(AddOkCancel(Txt::ButtonCancel));

    connect(fracFromMem, &QCheckBox::toggled, this, &CSCKeypadDlg::ShowFracSource);
    connect(rangeList, &QComboBox::currentIndexChanged, this, &CSCKeypadDlg::EnableRange);
    connect(useMessage, &QCheckBox::toggled, this, &CSCKeypadDlg::EnableMessage);
    connect(useActLink, &QCheckBox::toggled, this, &CSCKeypadDlg::ShowLink);
    connect(chooseLink, &QPushButton::clicked, this, &CSCKeypadDlg::ChooseLink);
}

void CSCKeypadDlg::LoadFields()
{
    const auto* keypad = CopyAs<CSCKeypad>();
    m_destKind.Remember(keypad->Dest.m_name, keypad->Dest.m_kind);
    EnableNumeric(keypad->Dest.m_kind != CVXMemNode::KIND_TEXT);
    totalDigits->setText(QString::number(keypad->TotalDigits));
    fracDigits->setText(QString::number(keypad->FracDigits));
    fracFromMem->setChecked(keypad->FracFromMem != 0);
    ShowFracSource();
    keyPage->setText(QString::number(keypad->KeyPage));
    keyPage->setEnabled(true);
    // Only 0 and 1 are choices; anything else (-1 is a list that had no
    // selection) would be written back unread, so it opens as "no check".
    rangeList->setCurrentIndex(keypad->RangeCheck == 1 ? 1 : 0);
    EnableRange();
    useMessage->setChecked(keypad->UseMessage != 0);
    m_message.Load(message, keypad->Message);
    EnableMessage();
    m_link = keypad->ActLink;
    m_linkKept = keypad->ActLinkKept;
    useActLink->setChecked(keypad->UseActLink != 0);
    ShowLink();
}

bool CSCKeypadDlg::CheckFields()
{
    if (totalDigits->isEnabled() && ui::LeadingNumber(totalDigits->text()) > kMaxTotalDigits)
        return Refuse(totalDigits, Utf8(u8"総桁数は9以下に指定する必要があります"));
    std::string text;
    if (!m_message.Read(this, &text))
        return false;
    if (useMessage->isChecked()) {
        if (m_message.Touched() && ui::HasLineControl(text))
            return Refuse(message, Utf8(u8"メッセージに改行、復帰、タブは使用できません"));
        if (text.size() > kMaxMessageBytes)
            return Refuse(message, Utf8(u8"メッセージ長さは32バイト以下に設定してください"));
    }
    return true;
}

void CSCKeypadDlg::StoreFields()
{
    auto* keypad = CopyAs<CSCKeypad>();
    keypad->Dest.m_kind = m_destKind.KindFor(keypad->Dest.m_name, dest->Edit()->m_kindMask);
    keypad->KeyPage = ui::LeadingNumber(keyPage->text());
    keypad->TotalDigits = ui::LeadingNumber(totalDigits->text());
    keypad->FracDigits = ui::LeadingNumber(fracDigits->text());
    keypad->FracFromMem = fracFromMem->isChecked() ? 1 : 0;
    keypad->RangeCheck = rangeList->currentIndex();
    keypad->UseMessage = useMessage->isChecked() ? 1 : 0;
    std::string text;
    if (m_message.Read(nullptr, &text))
        keypad->Message = text;
    keypad->UseActLink = useActLink->isChecked() ? 1 : 0;
    keypad->ActLink = m_link;
    keypad->ActLinkKept = m_linkKept;
}

void CSCKeypadDlg::OnMemoryChosen(CVXMemEditSC* edit, const CVXMemNode& node)
{
    edit->setText(ui::FromCp932(node.GetScriptForm()));
    if (edit != dest->Edit())
        return;
    m_destKind.Remember(node.m_name, node.m_kind);
    if (node.m_kind != CVXMemNode::KIND_GRAPH)
        EnableNumeric(node.m_kind != CVXMemNode::KIND_TEXT);
}

void CSCKeypadDlg::ShowFracSource()
{
    const bool fromMemory = fracFromMem->isChecked();
    fracDigits->setVisible(!fromMemory);
    fracMem->setVisible(fromMemory);
}

void CSCKeypadDlg::EnableRange()
{
    const bool check = rangeList->isEnabled() && rangeList->currentIndex() != 0;
    rangeMax->setEnabled(check);
    rangeMin->setEnabled(check);
}

void CSCKeypadDlg::EnableMessage() { message->setEnabled(useMessage->isChecked()); }

void CSCKeypadDlg::ShowLink()
{
    const bool link = useActLink->isChecked();
    actLink->setText(link ? ui::FromCp932(LinkShownText(m_link)) : QString());
    actLink->setEnabled(link);
    chooseLink->setEnabled(link);
}

void CSCKeypadDlg::ChooseLink()
{
    std::string link = m_link;
    if (!PickActionLink(link))
        return;
    m_link = link;
    ShowLink();
}

void CSCKeypadDlg::EnableNumeric(bool numeric)
{
    for (QWidget* control : std::initializer_list<QWidget*>{totalDigits, fracDigits, fracFromMem, fracMem, rangeList})
        control->setEnabled(numeric);
    EnableRange();
}
