#pragma once

#include <memory>

#include "core/CStepchainData.h"
#include "host/CPWProperty.h"

class QWidget;

// The property type key, answered by GetType and by every property.
inline constexpr const char* STEPCHAIN_TYPE_KEY = "STEPCHAIN";

// The property that holds an action list. The host owns the list (the value)
// and hands its address at creation; the property draws it in the host's
// grid, opens the editor from its "設定" button and forwards storing,
// comparison, the specification export and the limit word to it.
//
// A property created without a list stays usable: it draws no caption,
// stores an empty list, reads and drops a stored one, exports the empty
// form and does not edit.
class CPWPropStepchain : public CPWProperty {
public:
    CPWPropStepchain(int internalId, IPWObject* owner, const char* name, WORD internalTag, int lock, void* value,
                     const char* tips, int context, long backColor, DWORD subtype, BOOL unVisible,
                     const char* defaultLangName);
    ~CPWPropStepchain() override;

    const char* GetRuntimeClass() const override { return "CPWPropStepchain"; }
    std::string ExportSpecKeywordRaw() override;

    void Draw(int row) override;
    void BeginEdit() override;
    void EndEdit() override;
    BOOL SetValue(void* value, BOOL notify) override;
    void* GetValue() override { return m_value; }
    const char* GetType() override { return STEPCHAIN_TYPE_KEY; }
    void Serialize(CArchive& ar) override;
    int CompareProperties(void* other) override;
    void* GetWorkValue() override { return &m_work; }
    void ExportSpec(std::ostream& file) override;
    std::string ExportSpecKeyword() override;
    void SetLimit(DWORD limit) override;
    DWORD GetLimit() override;
    void SetOwnerObj(IPWObject* owner) override;

    // The button's click: opens the editor on the list with `parent` as its
    // parent; when the user confirms, tells the owner and the host and
    // writes the new caption into `row`.
    void EditList(QWidget* parent, int row);

private:
    CStepchainData* m_value;
    CStepchainData m_work;
    // Lets a click that outlives the property (the host may drop it while
    // the editor runs) see that it is gone.
    std::shared_ptr<int> m_alive = std::make_shared<int>();
};
