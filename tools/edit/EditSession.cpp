#include "tools/edit/EditSession.h"

#include "host/IPWProperty.h"
#include "host/ModuleWindows.h"
#include "tools/Commands.h"
#include "tools/ListFile.h"
#include "tools/Session.h"

EditSession::EditSession(const EditOptions& options)
    : m_plugin(options.plugin),
      m_host(options.host),
      m_window(m_host,
               [this](QWidget* parent, const std::string& name) {
                   return m_renamer ? m_renamer(parent, name) : std::string();
               }),
      m_document(options.list)
{
    if (options.owner)
        m_owner = std::make_unique<NamedObject>(CommandLineText(*options.owner, "the owner name"));
    const std::string name = CommandLineText(options.name.empty() ? DEFAULT_NAME : options.name, "the name");
    const std::optional<DWORD> limit = options.limit ? std::optional(ParseLimitWord(*options.limit)) : std::nullopt;
    m_property.reset(m_plugin.Create()(0, m_owner.get(), name.c_str(), 0, 0, &m_value, "", 0, 0, 0, 0, name.c_str()));
    if (!m_property)
        throw InputError("the plug-in made no property");
    m_window.SetProperty(m_property.get());
    m_document.LoadInto(*m_property);
    if (limit)
        m_property->SetLimit(*limit);
}

EditSession::~EditSession()
{
    m_window.SetProperty(nullptr);
    m_property.reset();
}

void EditSession::Save()
{
    m_document.Save(*m_property);
    m_host.Commit();
}

bool EditSession::Rename(const std::string& oldName, const std::string& newName)
{
    if (!m_host.Rename(oldName, newName))
        return false;
    host::SendRename(oldName, newName);
    if (m_value.MemSync(oldName, newName) != 0)
        m_document.Save(*m_property);
    return true;
}
