#include "ui/dialogs/CSCStringDlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "actions/CSCString.h"
#include "host/HostApi.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"

using ui::Utf8;

namespace {
constexpr uint32_t kTextMemoryFilter = 5;
constexpr uint32_t kValueFilter = 6;
// The number format packs the fraction digits into four bits.
constexpr int kMaxFractionDigits = 15;

struct Choice {
    int operation;
    const char8_t* label;
};
const Choice kChoices[] = {
    {CSCString::OP_DELETE_LAST, u8"一文字削除"},
    {CSCString::OP_DELETE_LAST_ESC, u8"一文字削除(ESC対応)"},
    {CSCString::OP_APPEND_TEXT, u8"文字追加"},
    {CSCString::OP_SET_TEXT, u8"文字設定"},
    {CSCString::OP_APPEND_MEMORY, u8"テキストメモリーを追加"},
    {CSCString::OP_COPY_MEMORY, u8"テキストメモリーからコピー"},
    {CSCString::OP_FORMAT_NUMBER, u8"整数メモリーをテキスト化"},
};

bool TakesText(int operation)
{
    return operation == CSCString::OP_APPEND_TEXT || operation == CSCString::OP_SET_TEXT;
}
bool TakesTextMemory(int operation)
{
    return operation == CSCString::OP_APPEND_MEMORY || operation == CSCString::OP_COPY_MEMORY;
}

void KeepPlaceWhenHidden(QWidget* widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}
}

CSCStringDlg::CSCStringDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      target(new OperandEdit(this, &CopyAs<CSCString>()->Target, kTextMemoryFilter, this)),
      operations(new QButtonGroup(this)),
      sourceLabel(new QLabel(this)),
      text(new QLineEdit(this)),
      source(new OperandEdit(this, &CopyAs<CSCString>()->Source, kTextMemoryFilter, this)),
      integerLabel(new QLabel(Utf8(u8"整数部桁数"), this)),
      integerDigits(ui::MakeDigitEdit(this, 2)),
      fractionLabel(new QLabel(Utf8(u8"小数部桁数"), this)),
      fractionDigits(ui::MakeDigitEdit(this, 2))
{
    setWindowTitle(Utf8(u8"文字操作"));
    // The operated memory is written to: a number cannot stand for it.
    target->Edit()->m_refuseNumber = 1;
    target->Edit()->m_kindMask = CVXMemEditSC::KIND_TEXT_BIT;

    auto* box = new QGroupBox(Utf8(u8"動作"), this);
    auto* radios = new QVBoxLayout(box);
    for (const Choice& choice : kChoices) {
        auto* radio = new QRadioButton(Utf8(choice.label), box);
        operations->addButton(radio, choice.operation);
        radios->addWidget(radio);
    }

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Utf8(u8"操作メモリー"), this), 0, 0);
    grid->addWidget(target, 0, 1);
    grid->addWidget(box, 1, 0, 1, 2);
    grid->addWidget(sourceLabel, 2, 0);
    grid->addWidget(text, 2, 1);
    grid->addWidget(source, 2, 1);
    auto* digits = new QHBoxLayout;
    digits->addWidget(integerDigits);
    digits->addSpacing(12);
    digits->addWidget(fractionLabel);
    digits->addWidget(fractionDigits);
    digits->addStretch(1);
    grid->addWidget(integerLabel, 3, 0);
    grid->addLayout(digits, 3, 1);
    // The fields come and go with the operation; the dialog keeps its size.
    for (QWidget* widget : std::initializer_list<QWidget*>{sourceLabel, text, source, integerLabel, integerDigits,
                                                           fractionLabel, fractionDigits})
        KeepPlaceWhenHidden(widget);
    const int labelWidth = fontMetrics().horizontalAdvance(Utf8(u8"テキストメモリー指定")) + 8;
    grid->setColumnMinimumWidth(0, labelWidth);
    target->setMinimumWidth(fontMetrics().averageCharWidth() * 24);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(AddOkCancel(Txt::ButtonCancel));

    connect(operations, &QButtonGroup::idClicked, this, &CSCStringDlg::OperationClicked);
}

QRadioButton* CSCStringDlg::Radio(int operation) const
{
    return static_cast<QRadioButton*>(operations->button(operation));
}

void CSCStringDlg::LoadFields()
{
    const auto* action = CopyAs<CSCString>();
    // A code no button stands for would be written back unread: none is chosen.
    const bool known = action->Operation >= CSCString::OP_NONE && action->Operation <= CSCString::OP_DELETE_LAST_ESC;
    m_operation = known ? action->Operation : CSCString::OP_NONE;
    Radio(CSCString::OP_DELETE_LAST_ESC)->setVisible(host::HasFeature("WIZ_FONTBUILDER"));
    if (m_operation != CSCString::OP_NONE)
        Radio(m_operation)->setChecked(true);
    m_text.Load(text, action->Text);
    integerDigits->setText(QString::number(CSCString::IntegerDigits(action->Source.m_aux)));
    fractionDigits->setText(QString::number(CSCString::FractionDigits(action->Source.m_aux)));
    ShowOperation();
}

bool CSCStringDlg::CheckFields()
{
    std::string literal;
    if (!m_text.Read(this, &literal))
        return false;
    if (TakesText(m_operation) && m_text.Touched() && ui::HasLineControl(literal))
        return Refuse(text, Utf8(u8"文字指定に改行、復帰、タブは使用できません"));
    if (m_operation == CSCString::OP_FORMAT_NUMBER && ui::LeadingNumber(fractionDigits->text()) > kMaxFractionDigits)
        return Refuse(fractionDigits, Utf8(u8"小数部桁数は15以下に指定してください"));
    return true;
}

void CSCStringDlg::StoreFields()
{
    auto* action = CopyAs<CSCString>();
    action->Operation = m_operation;
    std::string literal;
    if (m_text.Read(nullptr, &literal))
        action->Text = literal;
    // The digit counts belong to the number format alone; for another
    // operation their hidden fields are not written.
    if (m_operation == CSCString::OP_FORMAT_NUMBER)
        action->Source.m_aux = CSCString::PackDigits(ui::LeadingNumber(integerDigits->text()),
                                                     ui::LeadingNumber(fractionDigits->text()));
}

void CSCStringDlg::OperationClicked(int operation)
{
    const int before = m_operation;
    m_operation = operation;
    const bool numberBefore = before == CSCString::OP_FORMAT_NUMBER;
    const bool numberNow = operation == CSCString::OP_FORMAT_NUMBER;
    if ((numberBefore && TakesTextMemory(operation)) || (TakesTextMemory(before) && numberNow))
        source->Edit()->clear();
    ShowOperation();
}

void CSCStringDlg::ShowOperation()
{
    const bool takesText = TakesText(m_operation);
    const bool takesTextMemory = TakesTextMemory(m_operation);
    const bool formatsNumber = m_operation == CSCString::OP_FORMAT_NUMBER;
    sourceLabel->setVisible(takesText || takesTextMemory || formatsNumber);
    text->setVisible(takesText);
    source->setVisible(takesTextMemory || formatsNumber);
    if (takesText)
        sourceLabel->setText(Utf8(u8"文字指定"));
    CVXMemNode& node = CopyAs<CSCString>()->Source;
    if (takesTextMemory) {
        sourceLabel->setText(Utf8(u8"テキストメモリー指定"));
        source->Edit()->m_kindMask = CVXMemEditSC::KIND_TEXT_BIT;
        source->SetFilter(kTextMemoryFilter);
        node.m_kind = CVXMemNode::KIND_TEXT;
    } else if (formatsNumber) {
        sourceLabel->setText(Utf8(u8"整数メモリー指定"));
        source->Edit()->m_kindMask = CVXMemEditSC::KIND_MEMORY_BIT;
        source->SetFilter(kValueFilter);
        node.m_kind = CVXMemNode::KIND_MEMORY;
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{integerLabel, integerDigits, fractionLabel, fractionDigits})
        widget->setVisible(formatsNumber);
}
