#pragma once

#include <QByteArray>
#include <QList>
#include <QRect>
#include <cstdint>
#include <optional>

class QWidget;

// The editor's window placement as the settings keep it: 44 bytes, eleven
// little-endian 32-bit words in the order of the platform's placement record.
struct WindowPlacement {
    enum ShowCmd : int32_t { SHOW_NORMAL = 1, SHOW_MINIMIZED = 2, SHOW_MAXIMIZED = 3 };
    static constexpr int32_t SIZE = 44;

    int32_t length = SIZE;
    int32_t flags = 0;
    int32_t showCmd = SHOW_NORMAL;
    int32_t minX = -1, minY = -1;
    int32_t maxX = -1, maxY = -1;
    // The window's normal rectangle (right and bottom exclusive).
    int32_t left = 0, top = 0, right = 0, bottom = 0;

    QByteArray Encode() const;
    // Null unless the bytes are a whole record of the right length.
    static std::optional<WindowPlacement> Decode(const QByteArray& bytes);
    // A record worth applying: not minimised, of some size, and on one of `screens`.
    bool IsUsable(const QList<QRect>& screens) const;
    QRect NormalRect() const { return QRect(left, top, right - left, bottom - top); }
};

// Where the editor's placement is kept: QSettings("VESKAROLIN", "Panelwright"), "Settings/StepchainDlg".
void SaveWindowPlacement(const QWidget* window);
// Applies the stored placement when there is a usable one; false otherwise.
bool RestoreWindowPlacement(QWidget* window);
