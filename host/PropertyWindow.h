#pragma once

#include <string>

class IPWProperty;
class QWidget;

// The host's property window and its grid, as the properties reach them.
// The host implements both; the property object only writes cells and lays
// its edit button over a cell.

// The child id of the grid in the property window.
inline constexpr int PROPERTY_GRID_ID = 1000;

// Where a cell is, in pixels of the grid's window.
struct CellRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class CellAlignment {
    LeftCenter = 1,  // left, vertically centred
};

class IPropertyGrid {
public:
    virtual ~IPropertyGrid() = default;
    // The grid's platform window.
    virtual QWidget* GetWindow() = 0;
    // The current row.
    virtual int GetRow() const = 0;
    // `text` is CP932.
    virtual void SetTextMatrix(int row, int col, const std::string& text) = 0;
    virtual void SetCellAlignment(int row, int col, CellAlignment alignment) = 0;
    virtual CellRect GetCellRect(int row, int col) const = 0;
};

class IPropertyWindow {
public:
    virtual ~IPropertyWindow() = default;
    // The window's platform window, parent of what a property lays over the grid.
    virtual QWidget* GetWindow() = 0;
    // The child with this id when it is a grid, else null.
    virtual IPropertyGrid* GetGridItem(int id) = 0;
    // A property's value changed (CPWProperty::Notify).
    virtual void OnPropertyChanged(IPWProperty* property) = 0;
};
