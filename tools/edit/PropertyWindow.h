#pragma once

#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "host/PropertyWindow.h"

// The host's property grid: one row per property, its display name in
// column 0 and what the property draws in column 1.
class PropertyGrid : public QTableWidget, public IPropertyGrid {
    Q_OBJECT
public:
    explicit PropertyGrid(QWidget* parent);

    QWidget* GetWindow() override { return this; }
    int GetRow() const override { return currentRow(); }
    void SetTextMatrix(int row, int col, const std::string& text) override;
    void SetCellAlignment(int row, int col, CellAlignment alignment) override;
    CellRect GetCellRect(int row, int col) const override;

private:
    QTableWidgetItem* Cell(int row, int col);
};

// The host's property window around the grid. It is the property window
// of the host library (CPWProperty::m_pDlg) while it lives, and it lets the
// property of the current row edit: BeginEdit when a row becomes current or
// the cell moves (the grid is resized or scrolled, a column resized),
// EndEdit when another row becomes current.
class PropertyWindow : public QWidget, public IPropertyWindow {
    Q_OBJECT
public:
    explicit PropertyWindow(QWidget* parent = nullptr);
    ~PropertyWindow() override;

    // Adds a row for `property` and draws it.
    void AddProperty(IPWProperty* property);
    // Ends the edit of every row and forgets the properties, before they go.
    void Clear();

    QWidget* GetWindow() override { return this; }
    IPropertyGrid* GetGridItem(int id) override { return id == PROPERTY_GRID_ID ? m_grid : nullptr; }
    void OnPropertyChanged(IPWProperty* property) override;

    // Called with every property that notifies a change.
    std::function<void(IPWProperty*)> onChanged;

    PropertyGrid* Grid() const { return m_grid; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit(int row);
    // Begins the edit of the current row again once the grid has settled,
    // since the property lays its button over where the cell is then.
    void EditAgainLater();

    PropertyGrid* m_grid;
    std::vector<IPWProperty*> m_properties;
    int m_editing = -1;
    bool m_editPending = false;
};
