#include "ui/dialogs/CSCSetValueDlg.h"

#include <QVBoxLayout>

#include "actions/CSCSetValue.h"
#include "ui/CVXMemEditSC.h"
#include "ui/FieldGrid.h"
#include "ui/OperandEdit.h"

CSCSetValueDlg::CSCSetValueDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      m_dest(new OperandEdit(this, &CopyAs<CSCSetValue>()->Dest, 6, this)),
      m_value(new OperandEdit(this, &CopyAs<CSCSetValue>()->Source, 6, this))
{
    setWindowTitle(QString::fromUtf8(u8"値ｾｯﾄ"));
    m_dest->Edit()->m_refuseNumber = 1;
    auto* grid = new FieldGrid(this);
    grid->AddField(QString::fromUtf8(u8"代入先"), m_dest);
    grid->AddField(QString::fromUtf8(u8"セット値"), m_value);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}
