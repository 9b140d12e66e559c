#include "plugin/CPWPropStepchain.h"

#include "core/SpecExport.h"
#include "host/HostApi.h"
#include "host/IPWObject.h"
#include "plugin/CPropStepchainEdit.h"

namespace {
constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;
}

CPWPropStepchain::CPWPropStepchain(int internalId, IPWObject* owner, const char* name, WORD internalTag, int lock,
                                   void* value, const char* tips, int context, long backColor, DWORD subtype,
                                   BOOL unVisible, const char* defaultLangName)
    : CPWProperty(internalId, owner, name, internalTag, lock, value, tips, context, backColor, subtype, unVisible,
                  defaultLangName),
      m_value(static_cast<CStepchainData*>(value))
{
    if (m_value != nullptr)
        m_value->SetOwnerObj(m_pOwner);
}

CPWPropStepchain::~CPWPropStepchain() { CPropStepchainEdit::Forget(this); }

std::string CPWPropStepchain::ExportSpecKeywordRaw()
{
    return m_value != nullptr ? m_value->ExportSpecKeywordRaw() : std::string();
}

void CPWPropStepchain::Draw(int row)
{
    IPropertyGrid* grid = GetPropertyGrid();
    if (grid == nullptr)
        return;
    grid->SetTextMatrix(row, kNameColumn, GetName());
    grid->SetCellAlignment(row, kNameColumn, CellAlignment::LeftCenter);
    const bool wanted = host::CaptionWanted(GetName(), STEPCHAIN_TYPE_KEY);
    grid->SetTextMatrix(row, kValueColumn, wanted && m_value != nullptr ? m_value->GetCaption() : std::string());
    grid->SetCellAlignment(row, kValueColumn, CellAlignment::LeftCenter);
}

void CPWPropStepchain::BeginEdit()
{
    if (GetLockWord() == 1)
        return;
    IPropertyGrid* grid = GetPropertyGrid();
    if (grid == nullptr)
        return;
    const int row = grid->GetRow();
    CPropStepchainEdit* button = CPropStepchainEdit::Place(m_pDlg, grid, row, kValueColumn);
    m_work.RemoveAllProperties();
    button->Serve(this, row);
}

void CPWPropStepchain::EndEdit() { CPropStepchainEdit::HideFrame(this); }

BOOL CPWPropStepchain::SetValue(void* value, BOOL notify)
{
    auto* list = static_cast<CStepchainData*>(value);
    if (list == nullptr || m_value == nullptr)
        return 0;
    if (m_pOwner != nullptr && m_pOwner->CanChange(list, GetContext()) == 0) {
        // The caller sees the value it could not change.
        list->CopyPropertiesFrom(m_value);
        return 0;
    }
    m_value->CopyPropertiesFrom(list);
    if (m_pOwner != nullptr)
        m_pOwner->OnChanged(this);
    if (notify != 0)
        Notify();
    return 1;
}

void CPWPropStepchain::Serialize(CArchive& ar)
{
    if (m_value != nullptr) {
        m_value->Serialize(ar);
        return;
    }
    // Without a list the stream still holds one list frame here.
    CStepchainData none;
    none.Serialize(ar);
}

int CPWPropStepchain::CompareProperties(void* other)
{
    CStepchainData none;
    CStepchainData* mine = m_value != nullptr ? m_value : &none;
    auto* theirs = static_cast<CStepchainData*>(other);
    return mine->CompareProperties(theirs != nullptr ? theirs : &none);
}

void CPWPropStepchain::ExportSpec(std::ostream& file)
{
    CStepchainData none;
    file << ExportPropertySpec(m_value != nullptr ? *m_value : none, GetName());
}

std::string CPWPropStepchain::ExportSpecKeyword()
{
    return m_value != nullptr ? m_value->ExportSpecKeyword() : std::string();
}

void CPWPropStepchain::SetLimit(DWORD limit)
{
    if (m_value != nullptr)
        m_value->SetLimit(limit);
}

DWORD CPWPropStepchain::GetLimit() { return m_value != nullptr ? m_value->GetLimit() : 0; }

void CPWPropStepchain::SetOwnerObj(IPWObject* owner)
{
    if (m_value != nullptr)
        m_value->SetOwnerObj(owner);
}

void CPWPropStepchain::EditList(QWidget* parent, int row)
{
    if (m_value == nullptr)
        return;
    const std::weak_ptr<int> alive = m_alive;
    const std::string key = GetName();
    const int result = m_value->Edit(parent, m_value->GetLimit(), key);
    if (alive.expired() || result != IDOK)
        return;
    if (m_pOwner != nullptr)
        m_pOwner->OnChanged(this);
    Notify();
    if (IPropertyGrid* grid = GetPropertyGrid())
        grid->SetTextMatrix(row, kValueColumn, m_value->GetCaption());
}
