#include "tools/Session.h"

#include <vector>

#include "core/Cp932.h"
#include "tools/JsonHost.h"
#include "tools/ListFile.h"

namespace {

// The lists left to the end of the process. The vector itself is never
// freed, so that they stay reachable from here to the end.
std::vector<CStepchainData*>& ListsLeftToExit()
{
    static auto* lists = new std::vector<CStepchainData*>();
    return *lists;
}

}

std::string CommandLineText(const std::string& utf8, const std::string& what)
{
    bool lossless = true;
    std::string text = cp932::FromUTF8(utf8, &lossless);
    if (!lossless)
        throw InputError(what + " '" + utf8 + "' holds a character that CP932 cannot hold");
    return text;
}

std::string ScriptNameText(const std::string& utf8, const std::string& what)
{
    std::string shown;
    const char* breaks = nullptr;
    for (char c : utf8) {
        const char* escape = c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : c == '\0' ? "\\0" : nullptr;
        if (escape && !breaks)
            breaks = c == '\t' ? "a tab" : c == '\0' ? "a zero byte" : "a line break";
        shown += escape ? escape : std::string(1, c);
    }
    if (breaks)
        throw InputError(what + " '" + shown + "' holds " + breaks +
                         ", which would break the script line it goes into");
    return CommandLineText(utf8, what);
}

Session::Session(const Context& context) : m_processEndsAfter(context.processEndsAfter)
{
    if (!context.hostPath.empty()) {
        try {
            m_host = JsonHost::FromFile(context.hostPath);
        } catch (const std::runtime_error& e) {
            throw InputError(e.what());
        }
        SetMainWindow(m_host.get());
    }
    if (context.owner)
        m_owner = std::make_unique<NamedObject>(ScriptNameText(*context.owner, "the owner name"));
}

Session::~Session() { SetMainWindow(nullptr); }

std::unique_ptr<CStepchainData> Session::Load(const std::string& path) const
{
    auto list = LoadListFile(path);
    list->SetOwnerObj(m_owner.get());
    return list;
}

std::unique_ptr<CStepchainData> Session::Load(const std::string& name, const std::string& bytes) const
{
    auto list = LoadListBytes(name, bytes);
    list->SetOwnerObj(m_owner.get());
    return list;
}

void Session::Finish(std::unique_ptr<CStepchainData> list) const
{
    if (m_processEndsAfter && list)
        ListsLeftToExit().push_back(list.release());
}
