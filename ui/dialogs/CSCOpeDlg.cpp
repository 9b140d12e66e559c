#include "ui/dialogs/CSCOpeDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <iterator>

#include "actions/CSCOpe.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"

namespace {
// In operator-position order.
const char8_t* const kOperators[] = {u8"＋", u8"－", u8"×", u8"÷", u8"余り"};
constexpr int32_t kOperatorCount = std::size(kOperators);
}

CSCOpeDlg::CSCOpeDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      m_result(new OperandEdit(this, &CopyAs<CSCOpe>()->Result, 6, this)),
      m_left(new OperandEdit(this, &CopyAs<CSCOpe>()->Left, 6, this)),
      m_operator(new QComboBox(this)),
      m_right(new OperandEdit(this, &CopyAs<CSCOpe>()->Right, 6, this))
{
    setWindowTitle(QString::fromUtf8(u8"算術演算"));
    m_result->Edit()->m_refuseNumber = 1;
    for (const char8_t* entry : kOperators)
        m_operator->addItem(QString::fromUtf8(entry));

    auto* formula = new QGroupBox(QString::fromUtf8(u8"計算式を指定"), this);
    auto* grid = new QGridLayout(formula);
    const auto column = [&](int at, const char8_t* label, QWidget* field) {
        grid->addWidget(new QLabel(QString::fromUtf8(label), formula), 0, at);
        grid->addWidget(field, 1, at);
    };
    column(0, u8"操作メモリー", m_result);
    grid->addWidget(new QLabel(QString::fromUtf8(u8"←"), formula), 1, 1);
    column(2, u8"値1", m_left);
    column(3, u8"演算内容", m_operator);
    column(4, u8"値2", m_right);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formula);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

void CSCOpeDlg::LoadFields()
{
    // A stored operator outside the table shows as none chosen.
    const int32_t op = CopyAs<CSCOpe>()->Operator;
    m_operator->setCurrentIndex(op >= 0 && op < kOperatorCount ? op : -1);
}

void CSCOpeDlg::StoreFields() { CopyAs<CSCOpe>()->Operator = m_operator->currentIndex(); }
