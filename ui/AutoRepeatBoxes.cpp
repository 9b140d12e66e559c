#include "ui/AutoRepeatBoxes.h"

#include <QCheckBox>

#include "ui/FieldGrid.h"

AutoRepeatBoxes::AutoRepeatBoxes(QWidget* owner)
    : m_autoRepeat(new QCheckBox(QString::fromUtf8(u8"オートリピート"), owner)),
      m_accelerate(new QCheckBox(QString::fromUtf8(u8"加速"), owner)),
      m_beep(new QCheckBox(QString::fromUtf8(u8"オートリピート時ブザー鳴らす"), owner))
{
    EnableWhileTicked(m_autoRepeat, {m_accelerate, m_beep});
}

void AutoRepeatBoxes::AddRows(FieldGrid* grid) const
{
    grid->AddCheck(m_autoRepeat);
    grid->AddCheck(m_accelerate, true);
    grid->AddCheck(m_beep, true);
}

void AutoRepeatBoxes::Load(DWORD autoRepeat, DWORD accelerate, DWORD beep, DWORD limit)
{
    const bool canRepeat = (limit & 0x01) == 0;
    m_autoRepeat->setEnabled(canRepeat);
    m_autoRepeat->setChecked(canRepeat && autoRepeat == 1);
    m_accelerate->setChecked(canRepeat && accelerate == 1);
    m_beep->setChecked(beep != 0);
}

void AutoRepeatBoxes::Store(DWORD& autoRepeat, DWORD& accelerate, DWORD& beep) const
{
    autoRepeat = m_autoRepeat->isChecked() ? 1 : 0;
    if (autoRepeat == 1) {
        accelerate = m_accelerate->isChecked() ? 1 : 0;
        beep = m_beep->isChecked() ? 1 : 0;
    }
}
