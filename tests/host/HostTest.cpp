#include <gtest/gtest.h>

#include "core/Archive.h"
#include "host/CPWProperty.h"
#include "host/HostApi.h"
#include "host/HostMessages.h"
#include "host/ModuleWindows.h"
#include "support/FakeHost.h"

namespace {

// The smallest property a module could build on the host's base.
class BareProperty : public CPWProperty {
public:
    using CPWProperty::CPWProperty;
    void Draw(int) override {}
    void BeginEdit() override {}
    void EndEdit() override {}
    BOOL SetValue(void*, BOOL) override { return 0; }
    void* GetValue() override { return m_pValue; }
    const char* GetType() override { return "BARE"; }
    void Serialize(CArchive&) override {}
    int CompareProperties(void*) override { return 1; }
    void* GetWorkValue() override { return nullptr; }
    void ExportSpec(std::ostream&) override {}
    std::string ExportSpecKeyword() override { return {}; }
    void SetLimit(DWORD) override {}
    DWORD GetLimit() override { return 0; }
    void SetOwnerObj(IPWObject*) override {}
};

class Window : public IPropertyWindow {
public:
    QWidget* GetWindow() override { return nullptr; }
    IPropertyGrid* GetGridItem(int) override { return nullptr; }
    void OnPropertyChanged(IPWProperty* property) override { changed.push_back(property); }
    std::vector<IPWProperty*> changed;
};

// What the base keeps of the twelve creation arguments, and its own operations.
TEST(PropertyBase, KeepsItsArgumentsAndAnswersTheBaseOperations)
{
    int value = 0;
    BareProperty property(7, nullptr, "Name", 3, 1, &value, "Tips", 5, 0xFF00, 2, 1, "Default");
    EXPECT_EQ(property.GetValue(), &value);
    EXPECT_EQ(property.GetName() + property.GetTips(), "NameTips");
    EXPECT_EQ(std::vector<long>({property.GetInternalId(), property.GetInternalTag(), property.GetLockWord(),
                                 property.GetContext(), property.GetBackColor(), property.GetUnVisible()}),
              std::vector<long>({7, 3, 1, 5, 0xFF00, 1}));
    SEARCHPROPERTY miss{"Other"};
    SEARCHPROPERTY search{"Name"};
    EXPECT_EQ(property.SearchProperty(&miss) * 10 + property.SearchProperty(&search), 1);
    EXPECT_EQ(search.found, &property);
    BareProperty same(1, nullptr, "Same", 0, 0, nullptr, nullptr, 0, 0, 2, 0, nullptr);
    BareProperty other(1, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, 0, 4, 0, nullptr);
    EXPECT_EQ(property.IsSameSubtype(&same) * 10 + property.IsSameSubtype(&other), 10);
    // Without a default name the name stays as it is.
    property.CopyTextFromDefautLang();
    same.CopyTextFromDefautLang();
    EXPECT_EQ(property.GetName() + "|" + same.GetName(), "Default|Same");
}

// Without a property window, or without its grid, there is nothing to draw
// into and nobody to notify; with one, Notify reaches it.
TEST(PropertyBase, ReachesThePropertyWindowOnlyWhenThereIsOne)
{
    BareProperty property(0, nullptr, "P", 0, 0, nullptr, "", 0, 0, 0, 0, "");
    ASSERT_EQ(CPWProperty::m_pDlg, nullptr);
    EXPECT_EQ(CPWProperty::GetPropertyGrid(), nullptr);
    property.Notify();
    Window window;
    CPWProperty::m_pDlg = &window;
    EXPECT_EQ(CPWProperty::GetPropertyGrid(), nullptr);
    property.Notify();
    EXPECT_EQ(window.changed, std::vector<IPWProperty*>{&property});
    CPWProperty::m_pDlg = nullptr;
}

// Without a main window every answer is zero; with one, messages go to its outermost parent.
TEST(Host, MessagesGoToTheOutermostParentIfAny)
{
    EXPECT_EQ(GetHostTopWindow(), nullptr);
    EXPECT_EQ(host::GetProjectSettings(), nullptr);
    EXPECT_EQ(host::ReadProjectSettings().RepeatInterval + host::ReadProjectSettings().ModelName.size(), 0u);
    EXPECT_FALSE(host::HasLayers() || host::HasFeature("WIZ_FONTBUILDER"));
    bool found = true;
    EXPECT_EQ(host::LookupMemory("W0", &found), 0);
    EXPECT_FALSE(found);
    std::string link = "PLC1!Btn1!Push";
    host::TranslateLink(&link);
    EXPECT_EQ(link, "PLC1!Btn1!Push");

    FakeHost top;
    HostWindow middle(&top);
    HostWindow main(&middle);
    SetMainWindow(&main);
    top.layers = true;
    top.memories = {{"TXT1", 2}, {"W0", 0}};
    EXPECT_TRUE(host::HasLayers());
    EXPECT_EQ(host::LookupMemory("TXT1", &found), 2);
    // A memory of type 0 is found all the same.
    EXPECT_EQ(host::LookupMemory("W0", &found), 0);
    EXPECT_TRUE(found);
}

// The host's messages to the module's windows reach each open window once,
// oldest first, and skip a window that another one closed meanwhile.
TEST(Host, ModuleWindowsGetTheHostsMessagesInOrder)
{
    std::vector<std::string> log;
    struct Window : ModuleWindow {
        Window(std::vector<std::string>& l, std::string n, ModuleWindow* c = nullptr) : log(l), name(n), closes(c) {}
        intptr_t OnHostMessage(uint32_t msg, uintptr_t wParam, intptr_t) override
        {
            log.push_back(name + ":" + std::to_string(msg) + ":" + reinterpret_cast<const RenameRecord*>(wParam)->newName);
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
    EXPECT_EQ(log, (std::vector<std::string>{"editor:" + rename + ":W1", "dialog:" + rename + ":W1"}));
    EXPECT_EQ(CountModuleWindows(), 2u);
    CloseModuleWindow(&dialog);
    CloseModuleWindow(&editor);
    EXPECT_EQ(CountModuleWindows(), 0u);
}

}
