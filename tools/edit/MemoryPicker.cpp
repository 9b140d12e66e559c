#include "tools/edit/MemoryPicker.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/Cp932.h"
#include "tools/edit/HostFile.h"

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kTypeRole = Qt::UserRole + 1;
constexpr uint32_t kOrdinaryOrText = 0x40000004;

QString Shown(const std::string& cp932) { return QString::fromStdString(cp932::ToUTF8(cp932)); }

const char* KindName(int type)
{
    switch (type) {
    case 1: return "graph";
    case 2: return "text";
    default: return "ordinary";
    }
}

const char* FilterName(uint32_t filter)
{
    switch (filter) {
    case 6: return "ordinary memories";
    case 5: return "text memories";
    case 3: return "graph memories";
    case kOrdinaryOrText: return "ordinary and text memories";
    default: return "all memories";
    }
}

// The start text without the suffix of its kind.
std::string PlainName(const std::string& text)
{
    for (const char* suffix : {"[GRAPH]", "[TEXT]"}) {
        const size_t at = cp932::Find(text, suffix);
        if (at != std::string::npos)
            return text.substr(0, at);
    }
    return text;
}

}

MemoryPicker::MemoryPicker(const HostFile& host, uint32_t filter, const std::string& start, const std::string& owner,
                           Rename rename, QWidget* parent)
    : QDialog(parent), m_host(host), m_filter(filter), m_rename(std::move(rename))
{
    setWindowTitle(owner.empty() ? tr("Memories") : tr("Memories for %1").arg(Shown(owner)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Choose one of the %1:").arg(tr(FilterName(filter))), this));
    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({tr("Name"), tr("Kind")});
    m_list->setRootIsDecorated(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->header()->setStretchLastSection(true);
    layout->addWidget(m_list);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_renameButton = buttons->addButton(tr("Rename..."), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_renameButton, &QPushButton::clicked, this, &MemoryPicker::RenameSelected);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        m_ok->setEnabled(current != nullptr);
        m_renameButton->setEnabled(current != nullptr);
    });
    connect(m_list, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (m_list->itemAt(at) == nullptr)
            return;
        QMenu menu(this);
        connect(menu.addAction(tr("Rename...")), &QAction::triggered, this, &MemoryPicker::RenameSelected);
        menu.exec(m_list->viewport()->mapToGlobal(at));
    });
    Fill(PlainName(start));
    resize(360, 420);
}

bool MemoryPicker::Lists(uint32_t filter, int type)
{
    switch (filter) {
    case 6: return type == 0;
    case 5: return type == 2;
    case 3: return type == 1;
    case kOrdinaryOrText: return type == 0 || type == 2;
    default: return true;
    }
}

std::string MemoryPicker::WithSuffix(const std::string& name, int type)
{
    return type == 1 ? name + "[GRAPH]" : type == 2 ? name + "[TEXT]" : name;
}

std::string MemoryPicker::Choice() const
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (item == nullptr)
        return {};
    return WithSuffix(item->data(0, kNameRole).toByteArray().toStdString(), item->data(0, kTypeRole).toInt());
}

void MemoryPicker::Fill(const std::string& select)
{
    m_list->clear();
    QTreeWidgetItem* selected = nullptr;
    for (const auto& [name, type] : m_host.Memories()) {
        if (!Lists(m_filter, type))
            continue;
        auto* item = new QTreeWidgetItem(m_list, {Shown(name), tr(KindName(type))});
        item->setData(0, kNameRole, QByteArray::fromStdString(name));
        item->setData(0, kTypeRole, type);
        if (name == select)
            selected = item;
    }
    m_list->setCurrentItem(selected);
    m_ok->setEnabled(selected != nullptr);
    m_renameButton->setEnabled(selected != nullptr);
}

void MemoryPicker::RenameSelected()
{
    const QTreeWidgetItem* item = m_list->currentItem();
    if (item == nullptr)
        return;
    const std::string name = item->data(0, kNameRole).toByteArray().toStdString();
    const std::string renamed = m_rename(this, name);
    if (!renamed.empty())
        Fill(renamed);
}
