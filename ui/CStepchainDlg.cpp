#include "ui/CStepchainDlg.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUndoStack>
#include <memory>

#include "core/Texts.h"
#include "host/HostApi.h"
#include "host/HostMessages.h"
#include "host/HostWindow.h"
#include "ui/Clipboard.h"
#include "ui/KindTable.h"
#include "ui/ListEditCommand.h"
#include "ui/Message.h"
#include "ui/StepchainModel.h"
#include "ui/UiText.h"
#include "ui/WindowPlacement.h"

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 10;
constexpr int kSettingsWidth = 48;
constexpr int kFixedColumnWidth = 8;

// A selected invalid row stays red, darker, so that the row being worked on
// still shows that it needs the user.
class DetailDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if ((option->state & QStyle::State_Selected) &&
            index.data(Qt::BackgroundRole).value<QBrush>().color() == StepchainModel::InvalidColor())
            option->palette.setColor(QPalette::Highlight, StepchainModel::InvalidColor().darker(140));
    }
};

// Painting asks the label checks of every row on screen; one scope lets
// them share one index of the list instead of each walking all of it.
class ListGrid : public QTableView {
public:
    ListGrid(CStepchainData* list, QWidget* parent) : QTableView(parent), m_list(list) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        CStepchainData::CheckScope scope(*m_list);
        QTableView::paintEvent(event);
    }

private:
    CStepchainData* m_list;
};

// Frees the actions of a paste that did not go into the list.
struct OwnedActions {
    StepchainArray actions;
    ~OwnedActions()
    {
        for (IStepchain* action : actions)
            delete action;
    }
    StepchainArray Release() { return std::exchange(actions, {}); }
};

}

CStepchainDlg::CStepchainDlg(CStepchainData* source, QWidget* parent, DWORD limit, const std::string& key)
    : QDialog(parent), m_source(source), m_limit(limit), m_key(key)
{
    m_working.CopyPropertiesFrom(source);
    BuildControls();
    OpenModuleWindow(this);
}

CStepchainDlg::~CStepchainDlg()
{
    CloseModuleWindow(this);
    // The stack's commands reach the model; they go first.
    delete m_undo;
    m_undo = nullptr;
}

int CStepchainDlg::Edit(CStepchainData* list, QWidget* parent, DWORD limit, const std::string& key)
{
    QPointer<CStepchainDlg> dialog = new CStepchainDlg(list, parent, limit, key);
    const int result = dialog->exec();
    if (dialog.isNull())
        return IDCANCEL;
    delete dialog.data();
    return result == QDialog::Accepted ? IDOK : IDCANCEL;
}

void CStepchainDlg::BuildControls()
{
    setWindowTitle(ui::Text(Txt::EditorTitle));
    setSizeGripEnabled(true);
    m_undo = new QUndoStack;

    m_model = new StepchainModel(&m_working, this);
    m_grid = new ListGrid(&m_working, this);
    m_grid->setModel(m_model);
    m_grid->setItemDelegateForColumn(StepchainModel::DetailColumn, new DetailDelegate(m_grid));
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    m_grid->setTabKeyNavigation(false);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->horizontalHeader()->setSectionResizeMode(StepchainModel::KindColumn, QHeaderView::Fixed);
    m_grid->horizontalHeader()->setHighlightSections(false);
    QHeaderView* rows = m_grid->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setFixedWidth(kFixedColumnWidth);
    rows->setHighlightSections(false);

    m_kindList = new QComboBox(m_grid->viewport());
    for (int type : OfferedKinds(m_limit, host::HasLayers()))
        m_kindList->addItem(ui::FromCp932(KindName(type)), type);
    m_kindList->setCurrentIndex(-1);
    m_kindList->hide();
    m_settings = new QPushButton(ui::Text(Txt::SetButton), m_grid->viewport());
    m_settings->hide();

    const Txt texts[CommandCount] = {Txt::ButtonUp,  Txt::ButtonDown,  Txt::ButtonCopy,
                                     Txt::ButtonCut, Txt::ButtonPaste, Txt::ButtonInsert};
    const QKeySequence keys[CommandCount] = {Qt::CTRL | Qt::Key_U, Qt::CTRL | Qt::Key_D, Qt::CTRL | Qt::Key_C,
                                             Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_I};
    void (CStepchainDlg::*handlers[CommandCount])() = {&CStepchainDlg::MoveUp, &CStepchainDlg::MoveDown,
                                                    &CStepchainDlg::Copy,   &CStepchainDlg::Cut,
                                                    &CStepchainDlg::Paste,  &CStepchainDlg::Insert};
    for (int i = 0; i < CommandCount; ++i) {
        m_buttons[i] = new QPushButton(ui::Text(texts[i]), this);
        connect(m_buttons[i], &QPushButton::clicked, this, handlers[i]);
        auto* action = new QAction(this);
        action->setShortcut(keys[i]);
        connect(action, &QAction::triggered, this, handlers[i]);
        addAction(action);
    }
    for (const auto& [key, slot] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Z), &CStepchainDlg::Undo},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_Y), &CStepchainDlg::Redo}}) {
        auto* action = new QAction(this);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    }
    m_ok = new QPushButton(ui::Text(Txt::ButtonOk), this);
    m_cancel = new QPushButton(ui::Text(Txt::ButtonCancel), this);
    connect(m_ok, &QPushButton::clicked, this, &CStepchainDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CStepchainDlg::reject);
    // Enter must not press a button the user did not choose.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    connect(m_kindList, &QComboBox::activated, this, &CStepchainDlg::ChooseKind);
    connect(m_settings, &QPushButton::clicked, this, &CStepchainDlg::EditSettings);
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CStepchainDlg::OnSelectionChanged);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CStepchainDlg::OnSelectionChanged);
    connect(m_grid, &QTableView::clicked, this, [this] {
        if (!m_kindList->isVisible())
            ShowEditors();
    });
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!m_busy)
            HideEditors();
    });

    // A row is as high as the controls laid over it, and at least 140 % of a line.
    const int rowHeight = std::max({fontMetrics().height() * 140 / 100, m_kindList->sizeHint().height(),
                                    m_settings->sizeHint().height()});
    rows->setDefaultSectionSize(rowHeight);
    rows->setMinimumSectionSize(rowHeight);
    m_grid->setColumnWidth(StepchainModel::KindColumn, m_kindList->sizeHint().width());

    QSize button;
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b != m_settings)
            button = button.expandedTo(b->sizeHint());
    }
    const int frame = m_grid->frameWidth() * 2;
    setMinimumSize(2 * kMargin + CommandCount * button.width() + (CommandCount - 1) * kGap,
                   2 * kMargin + 2 * button.height() + 2 * kGap + m_grid->horizontalHeader()->sizeHint().height() +
                       3 * rowHeight + frame);
    resize(std::max(minimumWidth(), 720), std::max(minimumHeight(), 480));
    RestoreWindowPlacement(this);

    QScopedValueRollback busy(m_busy, true);
    m_grid->setCurrentIndex(m_model->index(0, StepchainModel::KindColumn));
}

IPWObject* CStepchainDlg::GetListOwner() const { return m_source->GetOwnerObj(); }

intptr_t CStepchainDlg::OnHostMessage(uint32_t msg, uintptr_t wParam, intptr_t)
{
    if (msg == hostmsg::RENAME && wParam != 0) {
        const auto* record = reinterpret_cast<const RenameRecord*>(wParam);
        m_working.MemSync(record->oldName, record->newName);
        m_model->Refresh();
        // Undoing past the rename would bring back names the host has dropped.
        m_undo->clear();
        ++m_renames;
    }
    return 0;
}

void CStepchainDlg::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    LayoutControls();
}

void CStepchainDlg::LayoutControls()
{
    QSize button;
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b != m_settings)
            button = button.expandedTo(b->sizeHint());
    }
    const int w = button.width();
    const int h = button.height();
    const int cx = width();
    const int cy = height();
    m_cancel->setGeometry(cx - kMargin - w, cy - kMargin - h, w, h);
    m_ok->setGeometry(cx - kMargin - 2 * w - kGap, cy - kMargin - h, w, h);
    const int y = cy - kMargin - h - kGap - h;
    for (int i = 0; i < CommandCount; ++i)
        m_buttons[i]->setGeometry(kMargin + i * (w + kGap), y, w, h);
    m_grid->setGeometry(kMargin, kMargin, cx - 2 * kMargin, y - kGap - kMargin);
    if (m_kindList->isVisible())
        ShowEditors();
}

void CStepchainDlg::keyPressEvent(QKeyEvent* event)
{
    // Enter and Escape stay with the control that has the focus; only the
    // buttons close the editor.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

int CStepchainDlg::CurrentRow() const
{
    const int row = m_grid->currentIndex().row();
    return row >= 0 ? row : m_model->NewRow();
}

std::pair<int, int> CStepchainDlg::SelectedRows() const
{
    int first = CurrentRow();
    int last = first;
    for (const QItemSelectionRange& range : m_grid->selectionModel()->selection()) {
        first = std::min(first, range.top());
        last = std::max(last, range.bottom());
    }
    return {first, last};
}

bool CStepchainDlg::SelectedIndices(size_t* first, size_t* last) const
{
    auto [top, bottom] = SelectedRows();
    if (bottom >= m_model->NewRow())
        bottom = m_model->NewRow() - 1;
    if (bottom < top)
        return false;
    *first = m_model->IndexOf(top);
    *last = m_model->IndexOf(bottom);
    return true;
}

void CStepchainDlg::SelectRows(int first, int last)
{
    QScopedValueRollback busy(m_busy, true);
    const int newRow = m_model->NewRow();
    first = std::clamp(first, 0, newRow);
    last = std::clamp(last, first, newRow);
    QItemSelectionModel* selection = m_grid->selectionModel();
    selection->setCurrentIndex(m_model->index(first, StepchainModel::KindColumn), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(m_model->index(first, 0), m_model->index(last, StepchainModel::ColumnCount - 1)),
                      QItemSelectionModel::ClearAndSelect);
    m_grid->scrollTo(m_model->index(first, 0));
}

void CStepchainDlg::SelectIndices(size_t first, size_t last)
{
    SelectRows(static_cast<int>(first), static_cast<int>(last));
}

void CStepchainDlg::OnSelectionChanged()
{
    if (m_busy)
        return;
    QScopedValueRollback busy(m_busy, true);
    HideEditors();
    const auto [first, last] = SelectedRows();
    if (m_model->HasBlank() && !(first == last && first == m_model->BlankRow()))
        m_model->RemoveBlank();
    ShowEditors();
}

void CStepchainDlg::HideEditors()
{
    m_kindList->hide();
    m_settings->hide();
    m_model->Refresh();
}

void CStepchainDlg::ShowEditors()
{
    QScopedValueRollback busy(m_busy, true);
    const int row = CurrentRow();
    const QModelIndex kindCell = m_model->index(row, StepchainModel::KindColumn);
    m_grid->scrollTo(kindCell);
    m_kindList->setGeometry(m_grid->visualRect(kindCell));
    IStepchain* action = m_model->ActionAt(row);
    m_settings->hide();
    if (action == nullptr) {
        m_kindList->setCurrentIndex(-1);
        m_kindList->show();
    } else {
        const int found = m_kindList->findData(action->GetActionType());
        if (found < 0) {
            m_kindList->hide();
        } else {
            m_kindList->setCurrentIndex(found);
            m_kindList->show();
            const QRect detail = m_grid->visualRect(m_model->index(row, StepchainModel::DetailColumn));
            const int width = std::min(kSettingsWidth, detail.width());
            m_settings->setGeometry(detail.right() + 1 - width, detail.top(), width, detail.height());
            m_settings->show();
        }
    }
    m_grid->selectionModel()->setCurrentIndex(kindCell, QItemSelectionModel::NoUpdate);
}

ListEditCommand* CStepchainDlg::NewCommand()
{
    return new ListEditCommand(m_model, [this](size_t first, size_t last) {
        HideEditors();
        SelectIndices(first, last);
    });
}

void CStepchainDlg::Push(ListEditCommand* command)
{
    if (command->IsEmpty())
        delete command;
    else
        m_undo->push(command);
    m_model->Refresh();
}

bool CStepchainDlg::RefuseTooLong(size_t adding)
{
    if (m_working.GetCount() + adding <= MAX_STEPCHAIN_ACTIONS)
        return false;
    ui::ShowMessage(this, ui::FromCp932(Format(T(Txt::ListTooLong), {static_cast<long long>(MAX_STEPCHAIN_ACTIONS)})));
    return true;
}

void CStepchainDlg::ChooseKind(int kindIndex)
{
    const int row = CurrentRow();
    const int type = m_kindList->itemData(kindIndex).toInt();
    IStepchain* old = m_model->ActionAt(row);
    if (old != nullptr && old->GetActionType() == type)
        return;
    if (old == nullptr && RefuseTooLong(1)) {
        ShowEditors();
        return;
    }
    std::unique_ptr<IStepchain> fresh(m_working.CreateSC(type));
    if (!fresh)
        return;
    QPointer<CStepchainDlg> self(this);
    const int result = fresh->Edit(this, m_limit);
    // The editor may have gone while the settings dialog ran.
    if (self.isNull())
        return;
    if (result == IDOK) {
        const size_t index = m_model->IndexOf(row);
        ListEditCommand* command = NewCommand();
        if (old != nullptr) {
            const std::string before = ListEditCommand::StoreRows(m_working, index, 1);
            delete m_model->ReplaceAction(index, fresh.release());
            command->Replaced(index, before, ListEditCommand::StoreRows(m_working, index, 1));
        } else {
            m_model->InsertActions(index, {fresh.release()});
            command->Inserted(index, 1);
        }
        command->SetSelection(index, index, index, index);
        Push(command);
        SelectIndices(index, index);
        m_grid->selectionModel()->setCurrentIndex(m_model->index(m_model->RowOf(index), StepchainModel::DetailColumn),
                                                  QItemSelectionModel::NoUpdate);
    }
    ShowEditors();
}

void CStepchainDlg::EditSettings()
{
    const int row = CurrentRow();
    IStepchain* action = m_model->ActionAt(row);
    if (action == nullptr)
        return;
    const size_t index = m_model->IndexOf(row);
    const std::string before = ListEditCommand::StoreRows(m_working, index, 1);
    const int renames = m_renames;
    QPointer<CStepchainDlg> self(this);
    const int result = action->Edit(this, m_limit);
    if (self.isNull())
        return;
    if (result == IDOK && renames == m_renames) {
        std::string after = ListEditCommand::StoreRows(m_working, index, 1);
        if (after != before) {
            ListEditCommand* command = NewCommand();
            command->Replaced(index, before, std::move(after));
            command->SetSelection(index, index, index, index);
            Push(command);
        }
    }
    m_model->Refresh();
    ShowEditors();
}

void CStepchainDlg::Insert()
{
    const int row = CurrentRow();
    if (m_model->KindOf(row) == StepchainModel::RowKind::New || m_model->HasBlank())
        return;
    if (RefuseTooLong(1))
        return;
    HideEditors();
    {
        QScopedValueRollback busy(m_busy, true);
        m_model->InsertBlank(row);
    }
    SelectRows(row, row);
    ShowEditors();
}

void CStepchainDlg::MoveUp()
{
    HideEditors();
    const auto [top, bottom] = SelectedRows();
    if (top == bottom && top == m_model->BlankRow()) {
        if (top > 0) {
            QScopedValueRollback busy(m_busy, true);
            m_model->MoveBlank(top - 1);
            SelectRows(top - 1, top - 1);
        }
        return;
    }
    size_t first = 0;
    size_t last = 0;
    if (!SelectedIndices(&first, &last) || first == 0)
        return;
    ListEditCommand* command = NewCommand();
    m_model->MoveAction(first - 1, last);
    command->Moved(first - 1, last);
    command->SetSelection(first - 1, last - 1, first, last);
    Push(command);
    SelectIndices(first - 1, last - 1);
}

void CStepchainDlg::MoveDown()
{
    HideEditors();
    const auto [top, bottom] = SelectedRows();
    if (top == bottom && top == m_model->BlankRow()) {
        if (top + 1 < m_model->NewRow()) {
            QScopedValueRollback busy(m_busy, true);
            m_model->MoveBlank(top + 1);
            SelectRows(top + 1, top + 1);
        }
        return;
    }
    size_t first = 0;
    size_t last = 0;
    if (!SelectedIndices(&first, &last) || last + 1 >= m_working.GetCount())
        return;
    ListEditCommand* command = NewCommand();
    m_model->MoveAction(last + 1, first);
    command->Moved(last + 1, first);
    command->SetSelection(first + 1, last + 1, first, last);
    Push(command);
    SelectIndices(first + 1, last + 1);
}

void CStepchainDlg::Copy()
{
    if (m_model->KindOf(CurrentRow()) == StepchainModel::RowKind::Blank)
        return;
    size_t first = 0;
    size_t last = 0;
    if (!SelectedIndices(&first, &last))
        return;
    GetClipboard().SetListBytes(ListEditCommand::StoreRows(m_working, first, last - first + 1));
}

void CStepchainDlg::Cut()
{
    HideEditors();
    if (m_model->KindOf(CurrentRow()) == StepchainModel::RowKind::Blank) {
        const int row = CurrentRow();
        {
            QScopedValueRollback busy(m_busy, true);
            m_model->RemoveBlank();
        }
        SelectRows(row, row);
        return;
    }
    size_t first = 0;
    size_t last = 0;
    if (!SelectedIndices(&first, &last))
        return;
    const size_t count = last - first + 1;
    std::string bytes = ListEditCommand::StoreRows(m_working, first, count);
    // The rows go only once they are safe on the clipboard.
    if (!GetClipboard().SetListBytes(bytes)) {
        ui::ShowMessage(this, ui::Text(Txt::ClipboardNotWritten));
        return;
    }
    ListEditCommand* command = NewCommand();
    for (IStepchain* action : m_model->TakeActions(first, count))
        delete action;
    command->Removed(first, count, std::move(bytes));
    command->SetSelection(first, first, first, last);
    Push(command);
    SelectIndices(first, first);
}

void CStepchainDlg::Paste()
{
    HideEditors();
    const int row = CurrentRow();
    const size_t index = m_model->IndexOf(row);
    if (m_model->KindOf(row) == StepchainModel::RowKind::Blank) {
        QScopedValueRollback busy(m_busy, true);
        m_model->RemoveBlank();
    }
    std::string bytes;
    if (!GetClipboard().GetListBytes(&bytes))
        return;
    OwnedActions read;
    try {
        CArchive ar(bytes);
        m_working.SerializeIn(ar, &read.actions);
    } catch (const CArchiveException&) {
        ui::ShowMessage(this, ui::Text(Txt::ClipboardUnreadable));
        return;
    }
    if (read.actions.empty() || RefuseTooLong(read.actions.size()))
        return;
    const size_t count = read.actions.size();
    ListEditCommand* command = NewCommand();
    m_model->InsertActions(index, read.Release());
    command->Inserted(index, count);
    MergeLimit(command);
    const size_t current = std::min(index, m_working.GetCount());
    command->SetSelection(current, current, current, current);
    Push(command);
    SelectIndices(current, current);
}

void CStepchainDlg::MergeLimit(ListEditCommand* command)
{
    const DWORD limit = m_working.GetLimit();
    for (size_t i = 0; i < m_working.GetCount();) {
        std::string before = ListEditCommand::StoreRows(m_working, i, 1);
        if (!m_working.GetAt(i)->MergeLimit(limit)) {
            for (IStepchain* action : m_model->TakeActions(i, 1))
                delete action;
            command->Removed(i, 1, std::move(before));
            continue;
        }
        std::string after = ListEditCommand::StoreRows(m_working, i, 1);
        if (after != before)
            command->Replaced(i, std::move(before), std::move(after));
        ++i;
    }
}

void CStepchainDlg::Undo()
{
    HideEditors();
    // A blank row is the insert the user made last; undoing takes it back.
    if (m_model->HasBlank()) {
        const int row = m_model->BlankRow();
        {
            QScopedValueRollback busy(m_busy, true);
            m_model->RemoveBlank();
        }
        SelectRows(row, row);
        return;
    }
    m_undo->undo();
}

void CStepchainDlg::Redo()
{
    HideEditors();
    {
        QScopedValueRollback busy(m_busy, true);
        m_model->RemoveBlank();
    }
    m_undo->redo();
}

void CStepchainDlg::accept()
{
    {
        QScopedValueRollback busy(m_busy, true);
        m_model->RemoveBlank();
    }
    SaveWindowPlacement(this);
    // Without a host window nobody would take the list over: it goes back
    // into the source list, so the edits are not lost.
    if (m_source->GetOwnerObj() == nullptr && !m_key.empty() && GetHostTopWindow() != nullptr)
        host::ApplyEditedList(&m_working, m_key);
    else
        m_source->CopyPropertiesFrom(&m_working);
    QDialog::accept();
}

void CStepchainDlg::reject()
{
    SaveWindowPlacement(this);
    QDialog::reject();
}
