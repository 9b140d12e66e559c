#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host/HostMessages.h"
#include "host/HostWindow.h"
#include "host/IPWObject.h"
#include "host/ProjectSettings.h"

// A host for tests: it answers the messages from the fields below and
// records what it was sent. It becomes the main window while it lives.
class FakeHost : public HostWindow {
public:
    FakeHost() { SetMainWindow(this); }
    ~FakeHost() override { SetMainWindow(nullptr); }

    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;

    // How often each message arrived.
    int Count(uint32_t msg) const;

    bool layers = false;
    bool hasSettings = true;
    ProjectSettings settings;
    // Feature keyword -> entries the host fills in; present when listed.
    std::map<std::string, std::vector<std::string>> features;
    // Memory name -> type.
    std::map<std::string, int> memories;
    // Rewrites a link text on the translate message, when set.
    std::function<void(std::string&)> translateLink;

    std::vector<uint32_t> received;
    std::vector<uintptr_t> nodesLoaded;
    std::vector<IPWObject*> nodesCleared;
};

// An owner object with a name and a type name.
class FakeObject : public IPWObject {
public:
    explicit FakeObject(std::string name, std::string typeName = "BUTTON")
        : m_name(std::move(name)), m_typeName(std::move(typeName))
    {
    }
    std::string GetTypeName() const override { return m_typeName; }
    int CanChange(CStepchainData*, int) override { return 1; }
    void OnChanged(IPWProperty*) override {}
    std::string GetObjectName() const override { return m_name; }

private:
    std::string m_name;
    std::string m_typeName;
};
