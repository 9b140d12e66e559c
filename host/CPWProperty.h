#pragma once

#include <string>
#include <string_view>

#include "host/CObject.h"
#include "host/IPWProperty.h"
#include "host/PropertyWindow.h"

// The base of every property object, from the host's property library. It
// keeps what the host created the property with and answers the operations
// that a property type does not make its own.
class CPWProperty : public CObject, public IPWProperty {
public:
    // The twelve creation arguments, in the order the host passes them:
    // internal id, owner object, display name, internal tag, lock word,
    // value, tips, context word, back colour, subtype, hidden flag, and the
    // display name in the default language. Texts are CP932; null is empty.
    CPWProperty(int internalId, IPWObject* owner, const char* name, WORD internalTag, int lock, void* value,
                const char* tips, int context, long backColor, DWORD subtype, BOOL unVisible,
                const char* defaultLangName);
    ~CPWProperty() override = default;
    CPWProperty(const CPWProperty&) = delete;
    CPWProperty& operator=(const CPWProperty&) = delete;

    // The framework side, after the object's own operations.
    const char* GetRuntimeClass() const override { return "CPWProperty"; }
    // Both tables hold Serialize; a property type answers it.
    void Serialize(CArchive& ar) override = 0;
    // Found when the display name is the one searched for.
    virtual BOOL SearchProperty(SEARCHPROPERTY* search);
    virtual std::string ExportSpecKeywordRaw();

    const std::string& GetTips() override { return m_tips; }
    const std::string& GetName() override { return m_name; }
    int GetInternalId() override { return m_internalId; }
    WORD GetInternalTag() override { return m_internalTag; }
    long GetBackColor() override { return m_backColor; }
    BOOL GetUnVisible() override { return m_unVisible; }
    void SetUnVisible(BOOL unVisible) override { m_unVisible = unVisible; }
    void SetLock(int lock) override { m_lock = lock; }
    BOOL IsSameSubtype(IPWProperty* other) override;
    BOOL GetOld() override { return m_old; }
    void SetOld(BOOL old) override { m_old = old; }
    BOOL ExportUtextTable(std::ostream& table) override;
    BOOL ImportUtextTable(std::istream& table) override;
    void CopyTextFromDefautLang() override;

    // Tells the property window that the value changed.
    void Notify();

    // CP932 to UTF-8, as the specification document wants its text.
    static std::string ToUTF8(std::string_view text);

    // The host's property window; null while it has none.
    static IPropertyWindow* m_pDlg;
    // Its grid (child PROPERTY_GRID_ID); null without the window or the grid.
    static IPropertyGrid* GetPropertyGrid();

    IPWObject* GetOwner() const { return m_pOwner; }
    int GetLockWord() const { return m_lock; }
    int GetContext() const { return m_context; }
    DWORD GetSubtype() const { return m_subtype; }

protected:
    IPWObject* m_pOwner;
    void* m_pValue;

private:
    int m_internalId;
    std::string m_name;
    WORD m_internalTag;
    int m_lock;
    std::string m_tips;
    int m_context;
    long m_backColor;
    DWORD m_subtype;
    BOOL m_unVisible;
    std::string m_defaultLangName;
    BOOL m_old = 0;
};
