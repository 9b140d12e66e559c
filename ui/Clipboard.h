#pragma once

#include <string>

// The clipboard as the editor uses it: one format, "PANELWRIGHT_STEPCHAIN",
// holding exactly the bytes of a stored list frame.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Puts the bytes on the clipboard; true only when they are there afterwards.
    virtual bool SetListBytes(const std::string& bytes) = 0;
    // The bytes in the list format; false when the clipboard holds none.
    virtual bool GetListBytes(std::string* bytes) = 0;
};

// The clipboard the editor uses: the system's, unless another was set
// (tests set one that fails). Null sets the system's back.
IClipboard& GetClipboard();
void SetClipboard(IClipboard* clipboard);
