#include "ui/dialogs/CSCSetGraphMemDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "actions/CSCSetGraphMem.h"
#include "ui/CVXMemEditSC.h"
#include "ui/FieldGrid.h"
#include "ui/OperandEdit.h"

CSCSetGraphMemDlg::CSCSetGraphMemDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      m_graphMem(new OperandEdit(this, &CopyAs<CSCSetGraphMem>()->GraphMem, 3, this)),
      m_position(new OperandEdit(this, &CopyAs<CSCSetGraphMem>()->Position, 6, this)),
      m_access(new QComboBox(this)),
      m_value(new OperandEdit(this, &CopyAs<CSCSetGraphMem>()->Value, 6, this))
{
    setWindowTitle(QString::fromUtf8(u8"グラフメモリーアクセス"));
    m_graphMem->Edit()->m_refuseNumber = 1;
    m_graphMem->Edit()->m_kindMask = CVXMemEditSC::KIND_GRAPH_BIT;
    m_access->addItem(QString::fromUtf8(u8"書き込み"));
    m_access->addItem(QString::fromUtf8(u8"読み出し"));
    connect(m_access, &QComboBox::currentIndexChanged, this, &CSCSetGraphMemDlg::OnAccessChanged);

    auto* grid = new FieldGrid(this);
    grid->AddField(QString::fromUtf8(u8"グラフメモリー"), m_graphMem);
    grid->AddField(QString::fromUtf8(u8"位置指定"), m_position);
    grid->AddField(QString::fromUtf8(u8"アクセス"), m_access);
    m_valueLabel = grid->AddField(QString::fromUtf8(u8"セット値"), m_value);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(AddOkCancel(Txt::ButtonCancel));
}

// A value read is stored into the memory the field names, so a number
// cannot stand there.
void CSCSetGraphMemDlg::OnAccessChanged(int access)
{
    const bool read = access == CSCSetGraphMem::ACCESS_READ;
    m_valueLabel->setText(QString::fromUtf8(read ? u8"読み出し先" : u8"セット値"));
    m_value->Edit()->m_refuseNumber = read ? 1 : 0;
}

void CSCSetGraphMemDlg::LoadFields()
{
    // The script writes for every stored value but a read, so anything else shows as a write.
    const bool read = CopyAs<CSCSetGraphMem>()->Access == CSCSetGraphMem::ACCESS_READ;
    m_access->setCurrentIndex(read ? CSCSetGraphMem::ACCESS_READ : CSCSetGraphMem::ACCESS_WRITE);
    OnAccessChanged(m_access->currentIndex());
}

void CSCSetGraphMemDlg::StoreFields() { CopyAs<CSCSetGraphMem>()->Access = m_access->currentIndex(); }
