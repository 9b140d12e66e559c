#include "ui/OperandEdit.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "core/CVXMemNode.h"
#include "ui/CSCDialog.h"
#include "ui/CVXMemEditSC.h"
#include "ui/UiText.h"

OperandEdit::OperandEdit(CSCDialog* dialog, CVXMemNode* node, uint32_t filter, QWidget* parent)
    : QWidget(parent), m_edit(new CVXMemEditSC(this)), m_pick(new QPushButton(ui::Text(Txt::ButtonPick), this)),
      m_node(node), m_filter(filter)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_pick);
    m_pick->setAutoDefault(false);
    m_pick->setFixedWidth(m_pick->fontMetrics().height() * 2);
    connect(m_pick, &QPushButton::clicked, dialog, [this, dialog] {
        if (dialog->PickMemory(m_edit, *m_node, m_filter))
            Load();
    });
    dialog->AddOperand(this);
}

void OperandEdit::Load()
{
    m_loaded = ui::FromCp932(m_node->m_name);
    m_edit->setText(m_loaded);
}

bool OperandEdit::Store()
{
    QString text = m_edit->text();
    if (text == m_loaded || (m_keepsWhileDisabled && !isEnabled()))
        return true;
    if (!m_keepsHash && text.startsWith(u'#'))
        text.remove(0, 1);
    std::string name;
    if (!ui::ToCp932(text, &name))
        return false;
    m_node->m_name = name;
    m_loaded = m_edit->text();
    return true;
}
