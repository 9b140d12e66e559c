#include "ui/dialogs/CSCCommDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "actions/CSCComm.h"
#include "core/Cp932.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"

using ui::Utf8;

namespace {
constexpr uint32_t kContentFilter = 0x40000004;
constexpr uint32_t kMemoryKinds = CVXMemEditSC::KIND_MEMORY_BIT | CVXMemEditSC::KIND_TEXT_BIT;
constexpr size_t kMaxMessageBytes = 32;
}

CSCCommDlg::CSCCommDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit),
      contentKind(new QComboBox(this)),
      content(new OperandEdit(this, &CopyAs<CSCComm>()->Content, kContentFilter, this))
{
    setWindowTitle(Utf8(u8"通信出力"));
    for (const char8_t* entry : {u8"メッセージ", u8"メモリー値", u8"ボタン_イベント名"})
        contentKind->addItem(Utf8(entry));
    contentKind->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Utf8(u8"送信内容"), this), 0, 0);
    grid->addWidget(contentKind, 0, 1, Qt::AlignLeft);
    grid->addWidget(content, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    content->setMinimumWidth(fontMetrics().averageCharWidth() * 32);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(AddOkCancel(Txt::ButtonCancel));

    connect(contentKind, &QComboBox::currentIndexChanged, this, &CSCCommDlg::ShowContentKind);
}

void CSCCommDlg::LoadFields()
{
    const auto* comm = CopyAs<CSCComm>();
    // A kind outside the list (-1 is a list that had no selection) sends
    // nothing; it opens as the message, the kind of a new action.
    const bool known = comm->ContentKind >= CSCComm::CONTENT_MESSAGE && comm->ContentKind <= CSCComm::CONTENT_OBJECT_EVENT;
    {
        const QSignalBlocker quiet(contentKind);
        contentKind->setCurrentIndex(known ? comm->ContentKind : CSCComm::CONTENT_MESSAGE);
    }
    ShowContentKind();
    content->Load();
    m_message.Load(content->Edit(), comm->Content.m_name);
    m_memoryKind.Remember(comm->Content.m_name, comm->Content.m_kind);
}

bool CSCCommDlg::CheckFields()
{
    if (contentKind->currentIndex() != CSCComm::CONTENT_MESSAGE)
        return true;
    std::string text;
    if (!m_message.Read(this, &text))
        return false;
    QString refusal;
    if (m_message.Touched() && ui::HasLineControl(text))
        refusal = Utf8(u8"メッセージに改行、復帰、タブは使用できません");
    else if (text.size() > kMaxMessageBytes)
        refusal = Utf8(u8"メッセージ長さは32バイト以下に設定してください");
    if (refusal.isEmpty())
        return true;
    return Refuse(content->Edit(), refusal);
}

void CSCCommDlg::StoreFields()
{
    auto* comm = CopyAs<CSCComm>();
    const int kind = contentKind->currentIndex();
    CVXMemNode& node = comm->Content;
    if (kind == CSCComm::CONTENT_MESSAGE) {
        // A message is stored as typed, a leading "#" included.
        std::string text;
        if (m_message.Read(nullptr, &text))
            node.m_name = text;
        node.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    } else {
        node.m_name = cp932::RemoveAll(node.m_name, CVXMemNode::KindSuffix(CVXMemNode::KIND_TEXT));
        node.m_kind = m_memoryKind.KindFor(node.m_name, kMemoryKinds);
    }
    comm->ContentKind = kind;
}

void CSCCommDlg::OnMemoryChosen(CVXMemEditSC* /*edit*/, const CVXMemNode& node)
{
    m_memoryKind.Remember(node.m_name, node.m_kind);
}

void CSCCommDlg::ShowContentKind()
{
    CVXMemEditSC* edit = content->Edit();
    edit->m_noCheck = 1;
    switch (contentKind->currentIndex()) {
    case CSCComm::CONTENT_MEMORY:
        content->PickButton()->setEnabled(true);
        edit->setEnabled(true);
        edit->clear();
        edit->m_noCheck = 0;
        edit->m_kindMask = kMemoryKinds;
        break;
    case CSCComm::CONTENT_OBJECT_EVENT:
        content->PickButton()->setEnabled(false);
        edit->setEnabled(false);
        edit->clear();
        break;
    default:
        content->PickButton()->setEnabled(false);
        edit->setEnabled(true);
        break;
    }
}
