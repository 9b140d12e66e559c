#pragma once

#include "core/Archive.h"

class FieldGrid;
class QCheckBox;
class QWidget;

// The auto-repeat switches of a step that may repeat while the button is
// held: "オートリピート", and indented under it "加速" and
// "オートリピート時ブザー鳴らす", which apply only while it is ticked.
class AutoRepeatBoxes {
public:
    explicit AutoRepeatBoxes(QWidget* owner);
    void AddRows(FieldGrid* grid) const;

    // Shows the switches as the script reads them. Limit bit 0x01 (the event
    // cannot repeat) shows auto-repeat and acceleration clear and disables them.
    void Load(DWORD autoRepeat, DWORD accelerate, DWORD beep, DWORD limit);
    // Auto-repeat takes its box; acceleration and beep take theirs only while
    // auto-repeat is on, so that turning it off keeps them for later.
    void Store(DWORD& autoRepeat, DWORD& accelerate, DWORD& beep) const;

    QCheckBox* const m_autoRepeat;
    QCheckBox* const m_accelerate;
    QCheckBox* const m_beep;
};
