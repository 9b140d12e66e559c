#pragma once

class IPWObject;

// A window that edits a list. The settings dialogs opened from it ask it for
// the list's owner object: the working copy they edit has none.
class IListWindow {
public:
    virtual ~IListWindow() = default;
    virtual IPWObject* GetListOwner() const = 0;
};
