#pragma once

#include <memory>
#include <string>

#include "core/CStepchainData.h"
#include "host/IPWObject.h"
#include "tools/Commands.h"

class JsonHost;

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

// A name given on the command line (UTF-8) as CP932; InputError when CP932
// cannot hold it. `what` names the argument in the message.
std::string CommandLineText(const std::string& utf8, const std::string& what);

// The same for a name that goes into script lines: InputError also when it
// holds a line break, a tab or a zero byte, which would break the line.
std::string ScriptNameText(const std::string& utf8, const std::string& what);

// The host and the owner for the time of one command: the host description
// becomes the main window, and every list loaded is given the owner.
class Session {
public:
    explicit Session(const Context& context);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::unique_ptr<CStepchainData> Load(const std::string& path) const;
    // The list in bytes already read from the file that `name` names.
    std::unique_ptr<CStepchainData> Load(const std::string& name, const std::string& bytes) const;

    // Takes the list that the command ends with. When the process ends with
    // the command, freeing a long list action by action is work thrown
    // away (some 10 ms for 65,535 actions), so the list is left to the end
    // of the process instead, still reachable: leak checkers do not count
    // it. Otherwise it is freed here.
    void Finish(std::unique_ptr<CStepchainData> list) const;

private:
    std::unique_ptr<JsonHost> m_host;
    std::unique_ptr<IPWObject> m_owner;
    bool m_processEndsAfter;
};
