#include "host/CPWProperty.h"

#include <cstring>

#include "host/Cp932Utf8.h"

namespace {
std::string TextOf(const char* text) { return text != nullptr ? std::string(text) : std::string(); }
}

IPropertyWindow* CPWProperty::m_pDlg = nullptr;

CPWProperty::CPWProperty(int internalId, IPWObject* owner, const char* name, WORD internalTag, int lock, void* value,
                         const char* tips, int context, long backColor, DWORD subtype, BOOL unVisible,
                         const char* defaultLangName)
    : m_pOwner(owner),
      m_pValue(value),
      m_internalId(internalId),
      m_name(TextOf(name)),
      m_internalTag(internalTag),
      m_lock(lock),
      m_tips(TextOf(tips)),
      m_context(context),
      m_backColor(backColor),
      m_subtype(subtype),
      m_unVisible(unVisible),
      m_defaultLangName(TextOf(defaultLangName))
{
}

BOOL CPWProperty::SearchProperty(SEARCHPROPERTY* search)
{
    if (search == nullptr || search->name != m_name)
        return 0;
    search->found = this;
    return 1;
}

std::string CPWProperty::ExportSpecKeywordRaw() { return {}; }

BOOL CPWProperty::IsSameSubtype(IPWProperty* other)
{
    auto* property = dynamic_cast<CPWProperty*>(other);
    return property != nullptr && std::strcmp(GetType(), property->GetType()) == 0 && m_subtype == property->m_subtype;
}

BOOL CPWProperty::ExportUtextTable(std::ostream&) { return 0; }

BOOL CPWProperty::ImportUtextTable(std::istream&) { return 0; }

void CPWProperty::CopyTextFromDefautLang()
{
    if (!m_defaultLangName.empty())
        m_name = m_defaultLangName;
}

void CPWProperty::Notify()
{
    if (m_pDlg != nullptr)
        m_pDlg->OnPropertyChanged(this);
}

std::string CPWProperty::ToUTF8(std::string_view text) { return Cp932ToUtf8(text); }

IPropertyGrid* CPWProperty::GetPropertyGrid()
{
    return m_pDlg != nullptr ? m_pDlg->GetGridItem(PROPERTY_GRID_ID) : nullptr;
}
