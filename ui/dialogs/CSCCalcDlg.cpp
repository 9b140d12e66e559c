#include "ui/dialogs/CSCCalcDlg.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "actions/CSCCalc.h"
#include "ui/CVXMemEditSC.h"
#include "ui/FieldGrid.h"
#include "ui/OperandEdit.h"

CSCCalcDlg::CSCCalcDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      m_dest(new OperandEdit(this, &CopyAs<CSCCalc>()->Dest, 6, this)),
      m_delta(new OperandEdit(this, &CopyAs<CSCCalc>()->Delta, 6, this)),
      m_upper(new OperandEdit(this, &CopyAs<CSCCalc>()->Upper, 6, this)),
      m_lower(new OperandEdit(this, &CopyAs<CSCCalc>()->Lower, 6, this)),
      m_repeat(this),
      m_rangeCheck(new QCheckBox(QString::fromUtf8(u8"上下限チェック"), this)),
      m_wrap(new QCheckBox(QString::fromUtf8(u8"ループ"), this))
{
    setWindowTitle(QString::fromUtf8(u8"加減算"));
    m_dest->Edit()->m_refuseNumber = 1;
    // The limits apply only with the range check; without it they keep their names.
    m_upper->m_keepsWhileDisabled = true;
    m_lower->m_keepsWhileDisabled = true;
    EnableWhileTicked(m_rangeCheck, {m_upper, m_lower, m_wrap});

    auto* grid = new FieldGrid(this);
    grid->AddField(QString::fromUtf8(u8"代入先"), m_dest);
    grid->AddField(QString::fromUtf8(u8"加減算値"), m_delta);
    m_repeat.AddRows(grid);
    grid->AddCheck(m_rangeCheck);
    grid->AddField(QString::fromUtf8(u8"上限値"), m_upper, true);
    grid->AddField(QString::fromUtf8(u8"下限値"), m_lower, true);
    grid->AddCheck(m_wrap, true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

void CSCCalcDlg::LoadFields()
{
    const auto* calc = CopyAs<CSCCalc>();
    m_repeat.Load(calc->AutoRepeat, calc->Accelerate, calc->Beep, GetLimit());
    // The script checks the range and wraps for any value but 0.
    m_rangeCheck->setChecked(calc->RangeCheck != 0);
    m_wrap->setChecked(calc->Wrap != 0);
}

void CSCCalcDlg::StoreFields()
{
    auto* calc = CopyAs<CSCCalc>();
    m_repeat.Store(calc->AutoRepeat, calc->Accelerate, calc->Beep);
    calc->RangeCheck = m_rangeCheck->isChecked() ? 1 : 0;
    if (calc->RangeCheck == 1)
        calc->Wrap = m_wrap->isChecked() ? 1 : 0;
}
