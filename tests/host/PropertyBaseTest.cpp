#include <gtest/gtest.h>

#include <sstream>

#include "core/Archive.h"
#include "host/CPWProperty.h"

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
    IPropertyGrid* GetGridItem(int id) override { return id == PROPERTY_GRID_ID ? grid : nullptr; }
    void OnPropertyChanged(IPWProperty* property) override { changed.push_back(property); }
    IPropertyGrid* grid = nullptr;
    std::vector<IPWProperty*> changed;
};

}

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

    SEARCHPROPERTY search{"Other"};
    EXPECT_EQ(property.SearchProperty(&search), 0);
    search.name = "Name";
    EXPECT_EQ(property.SearchProperty(&search), 1);
    EXPECT_EQ(search.found, &property);

    BareProperty same(1, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, 0, 2, 0, nullptr);
    BareProperty other(1, nullptr, nullptr, 0, 0, nullptr, nullptr, 0, 0, 4, 0, nullptr);
    EXPECT_EQ(property.IsSameSubtype(&same), 1);
    EXPECT_EQ(property.IsSameSubtype(&other), 0);
    EXPECT_EQ(same.GetName(), "");

    property.CopyTextFromDefautLang();
    EXPECT_EQ(property.GetName(), "Default");
    same.CopyTextFromDefautLang();
    EXPECT_EQ(same.GetName(), "");
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
