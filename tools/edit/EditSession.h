#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/CStepchainData.h"
#include "host/IPWObject.h"
#include "host/IPWProperty.h"
#include "tools/edit/HostFile.h"
#include "tools/edit/ListDocument.h"
#include "tools/edit/Plugin.h"
#include "tools/edit/ReferenceHost.h"

// What stepchain-edit was started with. Texts are UTF-8.
struct EditOptions {
    std::string list;
    std::string host;
    std::string name;
    std::optional<std::string> owner;
    std::optional<std::string> limit;
    std::string plugin;
};

// One list file edited through the plug-in, as the host edits a property:
// the plug-in loaded, the host description answering, the list (the host's
// value) and the one property made on it.
class EditSession {
public:
    // The display name of the property when none is given.
    static constexpr const char* DEFAULT_NAME = "アクション";

    // Throws PluginError, or InputError or std::runtime_error with one line,
    // when the plug-in, the description, an option or the list cannot be used.
    explicit EditSession(const EditOptions& options);
    ~EditSession();
    EditSession(const EditSession&) = delete;
    EditSession& operator=(const EditSession&) = delete;

    IPWProperty& Property() { return *m_property; }
    CStepchainData& Value() { return m_value; }
    HostFile& Host() { return m_host; }
    const std::string& ListPath() const { return m_document.Path(); }

    // The property's value changed: the list goes to its file, and the
    // memories registered meanwhile into the host description. Throws
    // InputError or FileError with one line.
    void Save();
    // Renames a memory in the host description, in the module's open
    // windows and in the list (written when it changed). False when the old
    // name is unknown or the new one taken; throws when a file cannot be written.
    bool Rename(const std::string& oldName, const std::string& newName);

    // Set by the window: asks the user for a memory's new name and renames it.
    void SetRenamer(MemoryPicker::Rename renamer) { m_renamer = std::move(renamer); }

private:
    // Declared in the order they must be made; the property goes first and
    // the plug-in, whose code it runs, last.
    Plugin m_plugin;
    HostFile m_host;
    MemoryPicker::Rename m_renamer;
    ReferenceHost m_window;
    std::unique_ptr<IPWObject> m_owner;
    CStepchainData m_value;
    ListDocument m_document;
    std::unique_ptr<IPWProperty> m_property;
};
