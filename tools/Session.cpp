#include "tools/Session.h"

#include <vector>

#include "core/Cp932.h"
#include "host/IPWObject.h"
#include "tools/FileIo.h"
#include "tools/JsonHost.h"
#include "tools/ListFile.h"

namespace {

// An owner object named on the command line.
class NamedObject : public IPWObject {
public:
    explicit NamedObject(std::string name) : m_name(std::move(name)) {}
    std::string GetTypeName() const override { return "BUTTON"; }
    int CanChange(CStepchainData*, int) override { return 1; }
    void OnChanged(IPWProperty*) override {}
    std::string GetObjectName() const override { return m_name; }

private:
    std::string m_name;
};

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

Session::Session(const Context& context) : m_processEndsAfter(context.processEndsAfter)
{
    if (!context.hostPath.empty()) {
        std::string text;
        try {
            text = ReadWholeFile(context.hostPath);
            m_host = JsonHost::FromJson(text);
        } catch (const std::exception& e) {
            throw InputError(context.hostPath + ": " + e.what());
        }
        SetMainWindow(m_host.get());
    }
    if (context.owner)
        m_owner = std::make_unique<NamedObject>(CommandLineText(*context.owner, "the owner name"));
}

Session::~Session() { SetMainWindow(nullptr); }

std::unique_ptr<CStepchainData> Session::Load(const std::string& path) const
{
    auto list = LoadListFile(path);
    list->SetOwnerObj(m_owner.get());
    return list;
}

void Session::Finish(std::unique_ptr<CStepchainData> list) const
{
    if (m_processEndsAfter && list)
        ListsLeftToExit().push_back(list.release());
}
