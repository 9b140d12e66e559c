#include "ui/StepchainModel.h"

#include <QBrush>

#include "core/Texts.h"
#include "ui/RowReasons.h"
#include "ui/UiText.h"

StepchainModel::StepchainModel(CStepchainData* list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list), m_kindHeader(ui::Text(Txt::EditorKindHeader)),
      m_detailHeader(ui::Text(Txt::EditorDetailHeader))
{
    for (int type = 0; type < SC_TYPE_COUNT; ++type)
        m_kindNames[static_cast<size_t>(type)] = ui::FromCp932(KindName(type));
}

int StepchainModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list->GetCount()) + (HasBlank() ? 1 : 0) + 1;
}

int StepchainModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

StepchainModel::RowKind StepchainModel::KindOf(int row) const
{
    if (row == m_blank)
        return RowKind::Blank;
    return row >= NewRow() ? RowKind::New : RowKind::Action;
}

size_t StepchainModel::IndexOf(int row) const
{
    return static_cast<size_t>(HasBlank() && row > m_blank ? row - 1 : row);
}

int StepchainModel::RowOf(size_t index) const
{
    const int row = static_cast<int>(index);
    return HasBlank() && row >= m_blank ? row + 1 : row;
}

IStepchain* StepchainModel::ActionAt(int row) const
{
    return KindOf(row) == RowKind::Action ? m_list->GetAt(IndexOf(row)) : nullptr;
}

QString StepchainModel::DisplayCaption(IStepchain* action)
{
    // A grid row shows one line; some captions end in a line feed.
    QString caption = ui::FromCp932(action->GetCaption());
    while (caption.endsWith(u'\n'))
        caption.chop(1);
    caption.replace(u'\n', u' ');
    return caption;
}

QVariant StepchainModel::data(const QModelIndex& index, int role) const
{
    IStepchain* action = index.isValid() ? ActionAt(index.row()) : nullptr;
    if (action == nullptr) {
        if (role == Qt::BackgroundRole && index.column() == DetailColumn)
            return QBrush(Qt::white);
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == KindColumn) {
            const int type = action->GetActionType();
            return type >= 0 && type < SC_TYPE_COUNT ? m_kindNames[static_cast<size_t>(type)] : QString();
        }
        return DisplayCaption(action);
    case Qt::BackgroundRole:
        if (index.column() == DetailColumn)
            return QBrush(action->IsInvalid() != 0 ? InvalidColor() : QColor(Qt::white));
        return {};
    case Qt::ToolTipRole:
        if (index.column() == DetailColumn && action->IsInvalid() != 0)
            return RowReasons(action);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant StepchainModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString();
    return section == KindColumn ? m_kindHeader : m_detailHeader;
}

void StepchainModel::InsertActions(size_t index, const StepchainArray& actions)
{
    RemoveBlank();
    if (actions.empty())
        return;
    const int row = static_cast<int>(index);
    beginInsertRows({}, row, row + static_cast<int>(actions.size()) - 1);
    auto& list = m_list->GetActions();
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), actions.begin(), actions.end());
    endInsertRows();
}

StepchainArray StepchainModel::TakeActions(size_t index, size_t count)
{
    RemoveBlank();
    if (count == 0)
        return {};
    const int row = static_cast<int>(index);
    beginRemoveRows({}, row, row + static_cast<int>(count) - 1);
    auto& list = m_list->GetActions();
    const auto first = list.begin() + static_cast<std::ptrdiff_t>(index);
    StepchainArray taken(first, first + static_cast<std::ptrdiff_t>(count));
    list.erase(first, first + static_cast<std::ptrdiff_t>(count));
    endRemoveRows();
    return taken;
}

IStepchain* StepchainModel::ReplaceAction(size_t index, IStepchain* action)
{
    IStepchain* old = m_list->GetActions().at(index);
    m_list->GetActions()[index] = action;
    const int row = RowOf(index);
    emit dataChanged(this->index(row, 0), this->index(row, ColumnCount - 1));
    return old;
}

void StepchainModel::MoveAction(size_t from, size_t to)
{
    RemoveBlank();
    if (from == to)
        return;
    // The view counts the destination before the move: below the source it is one further.
    const int destination = static_cast<int>(to > from ? to + 1 : to);
    beginMoveRows({}, static_cast<int>(from), static_cast<int>(from), {}, destination);
    auto& list = m_list->GetActions();
    IStepchain* action = list[from];
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(from));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(to), action);
    endMoveRows();
}

void StepchainModel::InsertBlank(int row)
{
    if (HasBlank())
        return;
    beginInsertRows({}, row, row);
    m_blank = row;
    endInsertRows();
}

bool StepchainModel::RemoveBlank()
{
    if (!HasBlank())
        return false;
    beginRemoveRows({}, m_blank, m_blank);
    m_blank = -1;
    endRemoveRows();
    return true;
}

void StepchainModel::MoveBlank(int row)
{
    if (!HasBlank() || row == m_blank || row < 0 || row >= NewRow())
        return;
    beginMoveRows({}, m_blank, m_blank, {}, row > m_blank ? row + 1 : row);
    m_blank = row;
    endMoveRows();
}

void StepchainModel::Refresh()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void StepchainModel::Reset()
{
    beginResetModel();
    endResetModel();
}
