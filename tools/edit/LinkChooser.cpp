#include "tools/edit/LinkChooser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Cp932.h"

LinkChooser::LinkChooser(const std::vector<std::string>& targets, const std::string& start, QWidget* parent)
    : QDialog(parent), m_targets(targets)
{
    setWindowTitle(tr("Action link"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Choose the event whose actions to run:"), this));
    m_list = new QListWidget(this);
    layout->addWidget(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    connect(m_list, &QListWidget::currentRowChanged, this, [ok](int row) { ok->setEnabled(row >= 0); });

    int exact = -1;
    int prefix = -1;
    for (size_t i = 0; i < targets.size(); ++i) {
        m_list->addItem(QString::fromStdString(cp932::ToUTF8(targets[i])));
        if (exact < 0 && targets[i] == start)
            exact = static_cast<int>(i);
        if (prefix < 0 && !start.empty() && cp932::Find(targets[i], start) == 0)
            prefix = static_cast<int>(i);
    }
    m_list->setCurrentRow(exact >= 0 ? exact : prefix);
    ok->setEnabled(m_list->currentRow() >= 0);
    resize(360, 360);
}

std::string LinkChooser::Choice() const
{
    const int row = m_list->currentRow();
    return row >= 0 ? m_targets[static_cast<size_t>(row)] : std::string();
}
