#include <gtest/gtest.h>

#include "host/HostApi.h"
#include "host/HostMessages.h"
#include "host/ModuleWindows.h"
#include "support/FakeHost.h"

namespace {

TEST(Host, WithoutAMainWindowEveryAnswerIsZero)
{
    EXPECT_EQ(GetHostTopWindow(), nullptr);
    EXPECT_EQ(SendToHost(hostmsg::LAYER_SUPPORT, 0, 0), 0);
    EXPECT_EQ(host::GetProjectSettings(), nullptr);
    EXPECT_EQ(host::ReadProjectSettings().RepeatInterval + host::ReadProjectSettings().ModelName.size(), 0u);
    EXPECT_FALSE(host::HasLayers() || host::HasFeature("WIZ_FONTBUILDER"));
    bool found = true;
    EXPECT_EQ(host::LookupMemory("W0", &found), 0);
    EXPECT_FALSE(found);
    std::string link = "PLC1!Btn1!Push";
    host::TranslateLink(&link);
    EXPECT_EQ(link, "PLC1!Btn1!Push");
}

TEST(Host, MessagesGoToTheOutermostParent)
{
    FakeHost top;
    HostWindow middle(&top);
    HostWindow main(&middle);
    SetMainWindow(&main);
    top.layers = true;
    top.settings.RepeatInterval = 10;
    top.memories["TXT1"] = 2;
    top.features["WIZ_MODULEREGST"] = {"INIT: start-up"};
    top.translateLink = [](std::string& text) { text = "X!" + text; };

    EXPECT_TRUE(host::HasLayers());
    EXPECT_EQ(host::ReadProjectSettings().RepeatInterval, 10u);
    bool found = false;
    EXPECT_EQ(host::LookupMemory("TXT1", &found), 2);
    EXPECT_TRUE(found);
    std::vector<std::string> entries;
    EXPECT_NE(host::QueryFeature("WIZ_MODULEREGST", &entries) & hostmsg::FEATURE_PRESENT_MASK, 0);
    EXPECT_EQ(entries, std::vector<std::string>{"INIT: start-up"});
    std::string link = "a";
    host::TranslateLink(&link);
    EXPECT_EQ(link, "X!a");

    top.hasSettings = false;
    EXPECT_EQ(host::ReadProjectSettings().RepeatInterval, 0u);
}

// The host's messages to the module's windows reach each open window once,
// oldest first, and skip a window that another one closed meanwhile.
TEST(Host, ModuleWindowsGetTheHostsMessagesInOrder)
{
    std::vector<std::string> log;
    struct Window : ModuleWindow {
        Window(std::vector<std::string>& log, std::string name, ModuleWindow* closes = nullptr)
            : log(log), name(std::move(name)), closes(closes)
        {
        }
        intptr_t OnHostMessage(uint32_t msg, uintptr_t wParam, intptr_t) override
        {
            const auto* record = reinterpret_cast<const RenameRecord*>(wParam);
            log.push_back(name + ":" + std::to_string(msg) + ":" + record->oldName + ">" + record->newName);
            if (closes != nullptr)
                CloseModuleWindow(closes);
            return 0;
        }
        std::vector<std::string>& log;
        std::string name;
        ModuleWindow* closes;
    };
    Window editor(log, "editor"), third(log, "third"), dialog(log, "dialog", &third);

    EXPECT_EQ(SendToModuleWindows(hostmsg::RENAME, 0, 0), 0);
    OpenModuleWindow(&editor);
    OpenModuleWindow(&dialog);
    OpenModuleWindow(&dialog);
    OpenModuleWindow(&third);
    host::SendRename("W0", "W1");
    const std::string rename = std::to_string(hostmsg::RENAME);
    EXPECT_EQ(log, (std::vector<std::string>{"editor:" + rename + ":W0>W1", "dialog:" + rename + ":W0>W1"}));
    EXPECT_EQ(CountModuleWindows(), 2u);
    CloseModuleWindow(&dialog);
    CloseModuleWindow(&editor);
    EXPECT_EQ(CountModuleWindows(), 0u);
}

}
