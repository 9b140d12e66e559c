#include "ui/dialogs/CSCCalcTimeDlg.h"

#include <QCheckBox>
#include <QVBoxLayout>

#include "actions/CSCCalcTime.h"
#include "ui/CVXMemEditSC.h"
#include "ui/FieldGrid.h"
#include "ui/OperandEdit.h"

CSCCalcTimeDlg::CSCCalcTimeDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      m_hour(new OperandEdit(this, &CopyAs<CSCCalcTime>()->Hour, 6, this)),
      m_minute(new OperandEdit(this, &CopyAs<CSCCalcTime>()->Minute, 6, this)),
      m_delta(new OperandEdit(this, &CopyAs<CSCCalcTime>()->Delta, 6, this)),
      m_limitHour(new OperandEdit(this, &CopyAs<CSCCalcTime>()->LimitHour, 6, this)),
      m_limitMinute(new OperandEdit(this, &CopyAs<CSCCalcTime>()->LimitMinute, 6, this)),
      m_repeat(this),
      m_timeLimit(new QCheckBox(QString::fromUtf8(u8"上下限チェック"), this))
{
    setWindowTitle(QString::fromUtf8(u8"時刻加減算"));
    m_hour->Edit()->m_refuseNumber = 1;
    m_minute->Edit()->m_refuseNumber = 1;
    // The limit time applies only while its box is ticked; otherwise it keeps its names.
    m_limitHour->m_keepsWhileDisabled = true;
    m_limitMinute->m_keepsWhileDisabled = true;
    EnableWhileTicked(m_timeLimit, {m_limitHour, m_limitMinute});

    auto* grid = new FieldGrid(this);
    grid->AddField(QString::fromUtf8(u8"時メモリー"), m_hour);
    grid->AddField(QString::fromUtf8(u8"分メモリー"), m_minute);
    grid->AddField(QString::fromUtf8(u8"加減算値"), m_delta, false, QString::fromUtf8(u8"(分)"));
    m_repeat.AddRows(grid);
    grid->AddCheck(m_timeLimit);
    grid->AddField(QString::fromUtf8(u8"制限時"), m_limitHour);
    grid->AddField(QString::fromUtf8(u8"制限分"), m_limitMinute);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

void CSCCalcTimeDlg::LoadFields()
{
    const auto* clock = CopyAs<CSCCalcTime>();
    m_repeat.Load(clock->AutoRepeat, clock->Accelerate, clock->Beep, GetLimit());
    // The script stops at the limit time for any value but 0.
    m_timeLimit->setChecked(clock->TimeLimit != 0);
}

void CSCCalcTimeDlg::StoreFields()
{
    auto* clock = CopyAs<CSCCalcTime>();
    m_repeat.Store(clock->AutoRepeat, clock->Accelerate, clock->Beep);
    clock->TimeLimit = m_timeLimit->isChecked() ? 1 : 0;
}
