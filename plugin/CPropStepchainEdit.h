#pragma once

#include <QPushButton>

class CPWPropStepchain;
class IPropertyGrid;
class IPropertyWindow;

// The "設定" button that every action-list property shows in the row being
// edited. There is one, with its frame, for the whole module: made as a
// child of the host's property window the first time a property begins
// editing, and made again when that window has gone or another one took its
// place. It knows the property it serves only while that property is being
// edited and alive.
class CPropStepchainEdit : public QPushButton {
public:
    // The width of the button, laid at the right end of the cell.
    static constexpr int WIDTH = 48;

    // The button over cell (row, column) of `grid`, shown, made first when
    // needed; it serves no property yet.
    static CPropStepchainEdit* Place(IPropertyWindow* window, IPropertyGrid* grid, int row, int column);
    // Hides the frame and lets go of `property`, when the button serves it.
    static void HideFrame(CPWPropStepchain* property);
    // `property` is going away: the button must not reach it any more.
    static void Forget(CPWPropStepchain* property);
    // Removes the button and its frame from the host's window. The module
    // does this before it is unloaded, since the button's code leaves with it.
    static void Destroy();

    void Serve(CPWPropStepchain* property, int row);

private:
    explicit CPropStepchainEdit(QWidget* frame);
    void OnClicked();

    CPWPropStepchain* m_property = nullptr;
    int m_row = 0;
};
