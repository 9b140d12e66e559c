#include "ui/dialogs/CSCActionLinkDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "actions/CSCActionLink.h"
#include "ui/UiText.h"

namespace {

QString U(const char8_t* text) { return QString::fromUtf8(text); }

}

CSCActionLinkDlg::CSCActionLinkDlg(IStepchain* action, QWidget* parent, DWORD limit)
    : CSCDialog(action, parent, limit), m_shown(new QLineEdit(this)),
      m_choose(new QPushButton(ui::Text(Txt::ButtonChoose), this))
{
    setWindowTitle(U(u8"アクションリンクの設定"));
    m_shown->setReadOnly(true);
    m_shown->setMinimumWidth(m_shown->fontMetrics().averageCharWidth() * 40);
    connect(m_choose, &QPushButton::clicked, this, &CSCActionLinkDlg::Choose);

    auto* target = new QHBoxLayout;
    target->addWidget(m_shown, 1);
    target->addWidget(m_choose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(U(u8"他のオブジェクトのアクションを指定します。"), this));
    layout->addLayout(target);
    layout->addLayout(AddOkCancel(Txt::ButtonCancelNarrow));
}

void CSCActionLinkDlg::LoadFields()
{
    m_shown->setText(ui::FromCp932(LinkShownText(CopyAs<CSCActionLink>()->m_target)));
}

void CSCActionLinkDlg::Choose()
{
    if (PickActionLink(CopyAs<CSCActionLink>()->m_target))
        LoadFields();
}
