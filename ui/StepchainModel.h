#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <array>

#include "core/CStepchainData.h"

// The editor's table over the working copy: one row per action, at most one
// blank row (a place made by insert, waiting for its kind), and the empty new
// row at the end. The blank row lives here only: the list itself never holds
// an empty entry, so nothing that walks the list can trip over one.
//
// Every change of the list goes through the operations below, which tell the
// view what moved; texts and colours are read when the view paints, so a
// change costs the same for ten rows as for 65,535.
class StepchainModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { KindColumn = 0, DetailColumn = 1, ColumnCount = 2 };
    enum class RowKind { Action, Blank, New };

    explicit StepchainModel(CStepchainData* list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    CStepchainData* List() const { return m_list; }
    size_t Count() const { return m_list->GetCount(); }

    RowKind KindOf(int row) const;
    int NewRow() const { return rowCount() - 1; }
    int BlankRow() const { return m_blank; }
    bool HasBlank() const { return m_blank >= 0; }
    // The list index of an action row; for the blank and the new row, the
    // index that an action put there takes.
    size_t IndexOf(int row) const;
    // The row that shows the action at `index`.
    int RowOf(size_t index) const;
    // The action of a row, null for the blank and the new row.
    IStepchain* ActionAt(int row) const;

    // Changes of the list. They remove a blank row first, except ReplaceAction.
    void InsertActions(size_t index, const StepchainArray& actions);
    // Takes the actions out of the list; the caller owns them.
    StepchainArray TakeActions(size_t index, size_t count);
    // Puts `action` at `index` and hands back the action it replaces.
    IStepchain* ReplaceAction(size_t index, IStepchain* action);
    // Takes the action at `from` out and puts it back at `to` (an index of
    // the list without it).
    void MoveAction(size_t from, size_t to);

    void InsertBlank(int row);
    // Removes the blank row; false when there is none.
    bool RemoveBlank();
    void MoveBlank(int row);

    // Every row's texts and colours are read again (a renamed label turns a
    // branch red elsewhere in the list).
    void Refresh();
    // The list changed under the model as a whole.
    void Reset();

    static QString DisplayCaption(IStepchain* action);
    // The background of an invalid row's detail cell.
    static QColor InvalidColor() { return QColor(255, 0, 0); }

private:
    CStepchainData* m_list;
    int m_blank = -1;
    std::array<QString, SC_TYPE_COUNT> m_kindNames;
    QString m_kindHeader;
    QString m_detailHeader;
};
