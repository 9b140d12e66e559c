#include <gtest/gtest.h>

#include "host/HostApi.h"
#include "host/HostMessages.h"
#include "support/FakeHost.h"

namespace {

TEST(Host, WithoutAMainWindowEveryAnswerIsZero)
{
    EXPECT_EQ(GetHostTopWindow(), nullptr);
    EXPECT_EQ(SendToHost(hostmsg::LAYER_SUPPORT, 0, 0), 0);
    EXPECT_EQ(host::GetProjectSettings(), nullptr);
    const ProjectSettings settings = host::ReadProjectSettings();
    EXPECT_EQ(settings.RepeatInterval, 0u);
    EXPECT_EQ(settings.ModelName, "");
    EXPECT_FALSE(host::HasLayers());
    EXPECT_FALSE(host::HasFeature("WIZ_FONTBUILDER"));
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

}
