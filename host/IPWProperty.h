#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "host/WinTypes.h"

class CArchive;
class IPWObject;
class IPWProperty;

// A search of the host for the property with a given display name (CP932).
struct SEARCHPROPERTY {
    std::string name;
    IPWProperty* found = nullptr;
};

// A property as the host holds it, whatever its type. The operations are in
// the order of the interface's table, which the host was built against.
// Values are untyped: each property type knows what its value is.
class IPWProperty {
public:
    virtual ~IPWProperty() = default;
    // Writes the property's row `row` of the host's property grid.
    virtual void Draw(int row) = 0;
    // The user is about to edit the property in the grid's current row.
    virtual void BeginEdit() = 0;
    virtual void EndEdit() = 0;
    // Takes a copy of `value`, unless the owner refuses; nonzero when taken.
    virtual BOOL SetValue(void* value, BOOL notify) = 0;
    virtual void* GetValue() = 0;
    virtual const std::string& GetTips() = 0;
    // The display name, which is also the property's key. CP932.
    virtual const std::string& GetName() = 0;
    virtual int GetInternalId() = 0;
    virtual WORD GetInternalTag() = 0;
    // The property type key.
    virtual const char* GetType() = 0;
    virtual void Serialize(CArchive& ar) = 0;
    // 1 when the value equals `other`, a value of the same type.
    virtual int CompareProperties(void* other) = 0;
    virtual long GetBackColor() = 0;
    virtual BOOL GetUnVisible() = 0;
    virtual void SetUnVisible(BOOL unVisible) = 0;
    // 1: the property cannot be edited.
    virtual void SetLock(int lock) = 0;
    virtual BOOL IsSameSubtype(IPWProperty* other) = 0;
    virtual BOOL GetOld() = 0;
    virtual void SetOld(BOOL old) = 0;
    virtual void* GetWorkValue() = 0;
    // The property's row of the specification document (UTF-8).
    virtual void ExportSpec(std::ostream& file) = 0;
    virtual std::string ExportSpecKeyword() = 0;
    // The property's texts of every language; FALSE when it has none.
    virtual BOOL ExportUtextTable(std::ostream& table) = 0;
    virtual BOOL ImportUtextTable(std::istream& table) = 0;
    virtual void SetLimit(DWORD limit) = 0;
    virtual DWORD GetLimit() = 0;
    virtual void SetOwnerObj(IPWObject* owner) = 0;
    // The display name goes back to its text in the default language.
    virtual void CopyTextFromDefautLang() = 0;
};
