// The plug-in as a host uses it: loaded with dlopen, its property made
// through Create and driven through the property's interface, with the
// reference host's property window as the host's grid.
#include <dlfcn.h>

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>
#include <sstream>

#include "Modal.h"
#include "core/CStepchainData.h"
#include "core/Cp932.h"
#include "core/SpecExport.h"
#include "host/IPWObject.h"
#include "host/IPWProperty.h"
#include "host/PluginEntry.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Stored.h"
#include "tools/ListBuilder.h"
#include "tools/edit/PropertyWindow.h"

namespace {

const std::string kName = cp932::FromUTF8("押下時アクション");

// A host that shows captions unless told otherwise and remembers what it was asked.
class PluginHost : public FakeHost {
public:
    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override
    {
        if (msg != hostmsg::CAPTION_WANTED)
            return FakeHost::OnMessage(msg, wParam, lParam);
        asked = *reinterpret_cast<const std::string*>(wParam) + "/" + *reinterpret_cast<const std::string*>(lParam);
        return captionAnswer;
    }
    intptr_t captionAnswer = 1;
    std::string asked;
};

// An owner that may refuse changes and counts the changes it hears of.
class Owner : public IPWObject {
public:
    std::string GetTypeName() const override { return "BUTTON"; }
    int CanChange(CStepchainData*, int context) override
    {
        lastContext = context;
        return allows;
    }
    void OnChanged(IPWProperty*) override { ++changed; }
    std::string GetObjectName() const override { return "Btn1"; }
    int allows = 1;
    int lastContext = 0;
    int changed = 0;
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }
QString Hex(const std::string& bytes) { return QString::fromStdString(ToHex(bytes)); }

}

class PluginTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void answersItsTypeAndDrawsItsRow();
    void setValueAsksTheOwner();
    void operationsWithAndWithoutAList();
    void editsThroughItsButton_data();
    void editsThroughItsButton();
    void buttonLetsGoOfItsProperty_data();
    void buttonLetsGoOfItsProperty();
    void buttonFollowsTheWindowAndTheModule();

private:
    IPWProperty* Make(CStepchainData* value, IPWObject* owner = nullptr, int context = 0);
    // The property's row in the grid, with its button laid over it.
    QPushButton* Show(IPWProperty* property);
    QString Cell(int column) const { return m_window->Grid()->item(0, column)->text(); }

    QTemporaryDir m_settings;
    void* m_module = nullptr;
    GetTypeProc m_getType = nullptr;
    CreateProc m_create = nullptr;
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<PropertyWindow> m_window;
    std::vector<std::unique_ptr<IPWProperty>> m_properties;
    int m_notified = 0;
};

void PluginTest::initTestCase()
{
    // The editor keeps its placement in the user's settings; the tests keep theirs apart.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void PluginTest::init()
{
    m_module = dlopen(STEPCHAIN_PLUGIN, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(m_module != nullptr, dlerror());
    m_getType = reinterpret_cast<GetTypeProc>(dlsym(m_module, PLUGIN_GET_TYPE));
    m_create = reinterpret_cast<CreateProc>(dlsym(m_module, PLUGIN_CREATE));
    QVERIFY(m_getType != nullptr && m_create != nullptr);
    m_host = std::make_unique<PluginHost>();
    m_window = std::make_unique<PropertyWindow>();
    m_window->resize(480, 200);
    m_window->onChanged = [this](IPWProperty*) { ++m_notified; };
    m_notified = 0;
}

void PluginTest::cleanup()
{
    m_window.reset();
    m_properties.clear();
    if (m_module != nullptr)
        dlclose(std::exchange(m_module, nullptr));
    m_host.reset();
}

IPWProperty* PluginTest::Make(CStepchainData* value, IPWObject* owner, int context)
{
    m_properties.emplace_back(m_create(1, owner, kName.c_str(), 2, 0, value, "", context, 0, 0, 0, kName.c_str()));
    return m_properties.back().get();
}

QPushButton* PluginTest::Show(IPWProperty* property)
{
    m_window->AddProperty(property);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    m_window->Grid()->setCurrentCell(m_window->Grid()->rowCount() - 1, 1);
    return ButtonWithText(m_window.get(), Utf8("設定"));
}

void PluginTest::answersItsTypeAndDrawsItsRow()
{
    QCOMPARE(m_getType(), "STEPCHAIN");
    // The host's answer to caption wanted, the list (null: none at all), the caption.
    const std::tuple<int, const char*, QString> cases[] = {
        {1, "", Utf8("(未設定)")}, {1, "R R R", Utf8("(3件設定済)")}, {0, "R R R", {}}, {1, nullptr, {}}};
    for (const auto& [answer, rows, caption] : cases) {
        m_host->captionAnswer = answer;
        const auto value = Listed(rows != nullptr ? rows : "");
        m_window->Clear();
        m_window->AddProperty(Make(rows != nullptr ? value.get() : nullptr));
        QCOMPARE(Cell(0), Utf8("押下時アクション"));
        QCOMPARE(Cell(1), caption);
        QCOMPARE(m_window->Grid()->item(0, 1)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QVERIFY(m_host->asked == kName + "/STEPCHAIN");
    }
}

void PluginTest::setValueAsksTheOwner()
{
    // Owner or none, its answer, notify; SetValue's result, the owner's and the window's notices.
    const std::tuple<bool, int, int, int, int, int> cases[] = {
        {true, 0, 1, 0, 0, 0}, {true, 1, 1, 1, 1, 1}, {true, 1, 0, 1, 1, 0}, {false, 0, 1, 1, 0, 1}};
    for (const auto& [hasOwner, allows, notify, result, changed, notified] : cases) {
        Owner owner;
        owner.allows = allows;
        m_notified = 0;
        const auto value = Listed("R");
        const auto proposed = Listed("R R R");
        // A refused change leaves both lists as the property's; a taken one makes both the proposed.
        const std::string expected = StoredBytes(result != 0 ? *proposed : *value);
        IPWProperty* property = Make(value.get(), hasOwner ? &owner : nullptr, 7);
        QCOMPARE(property->SetValue(proposed.get(), notify), result);
        QCOMPARE(Hex(StoredBytes(*value) + StoredBytes(*proposed)), Hex(expected + expected));
        QCOMPARE(owner.changed, changed);
        QCOMPARE(m_notified, notified);
        QCOMPARE(owner.lastContext, hasOwner ? 7 : 0);
    }
}

// A property made without a list (the host's value is missing) stores and
// exports an empty list, reads and drops a stored one, and changes nothing.
void PluginTest::operationsWithAndWithoutAList()
{
    const std::string sample = FileBytes(STEPCHAIN_EXAMPLES "/mixed.stepchain");
    for (const bool hasList : {true, false}) {
        CStepchainData value;
        IPWProperty* property = Make(hasList ? &value : nullptr);
        property->SetOwnerObj(nullptr);
        CArchive loading(sample + "XY");
        property->Serialize(loading);
        QCOMPARE(loading.GetRemaining(), size_t{2});
        QCOMPARE(Hex(StoredBytes(*property)), Hex(hasList ? sample : std::string("\0\0", 2)));
        QCOMPARE(property->CompareProperties(nullptr), hasList ? 0 : 1);
        const auto other = Listed("R");
        QCOMPARE(property->CompareProperties(other.get()), 0);
        QCOMPARE(property->SetValue(other.get(), 1), hasList ? 1 : 0);
        property->SetLimit(0x24);
        QCOMPARE(property->GetLimit(), hasList ? 0x24u : 0u);
        std::ostringstream spec;
        property->ExportSpec(spec);
        QCOMPARE(QString::fromStdString(spec.str()),
                 hasList ? QString::fromStdString(ExportPropertySpec(value, kName))
                         : Utf8("    <tr>\n        <td>\n            押下時アクション\n        </td>\n"
                                "        <td >\n            未設定\n　　　　</td>\n    </tr>\n"));
        // Without a list, `value` stayed empty.
        QVERIFY(property->ExportSpecKeyword() == value.ExportSpecKeyword());
    }
}

void PluginTest::editsThroughItsButton_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("confirmed") << "OK";
    QTest::newRow("cancelled") << "キャンセル";
    QTest::newRow("property dropped, then confirmed") << "dropped";
    QTest::newRow("window closed") << "closed";
}

// The user opens the editor with "設定", adds an end of actions on the new
// row, then confirms or cancels. Or, while the user is still in the editor,
// the host lets go of the property, or closes its window and with it the
// button and the editor: confirming then tells nobody and writes into no grid.
void PluginTest::editsThroughItsButton()
{
    QFETCH(QString, how);
    Owner owner;
    const auto value = Listed("R R");
    QPushButton* button = Show(Make(value.get(), &owner));
    QVERIFY(button != nullptr && button->isVisible());
    // The button, 48 wide, covers the right end of the value's cell.
    const QRect cell = m_window->Grid()->visualRect(m_window->Grid()->model()->index(0, 1));
    const QPoint cellRight = m_window->Grid()->viewport()->mapTo(m_window.get(), cell.topRight());
    QCOMPARE(button->mapTo(m_window.get(), QPoint(button->width() - 1, 0)), cellRight);
    QCOMPARE(button->size(), QSize(48, cell.height()));
    WhenModal([&](QWidget* editor) {
        ChooseKind(editor, 2, "アクション終了");
        if (how == "closed") {
            m_window.reset();
            return;
        }
        if (how == "dropped") {
            m_window->Clear();
            m_properties.clear();
        }
        Click(editor, how == "キャンセル" ? how : "OK");
    });
    QTest::mouseClick(button, Qt::LeftButton);
    const bool confirmed = how == "OK";
    if (confirmed || how == "キャンセル")
        QCOMPARE(Cell(1), confirmed ? Utf8("(3件設定済)") : Utf8("(2件設定済)"));
    QCOMPARE(owner.changed, confirmed ? 1 : 0);
    QCOMPARE(m_notified, confirmed ? 1 : 0);
}

void PluginTest::buttonLetsGoOfItsProperty_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("property destroyed") << "destroyed";
    QTest::newRow("edit ended") << "ended";
    QTest::newRow("property without a list") << "no list";
}

// A click on the shared button after its property went, after the edit
// ended, or for a property without a list, opens nothing.
void PluginTest::buttonLetsGoOfItsProperty()
{
    QFETCH(QString, how);
    CStepchainData value;
    IPWProperty* property = Make(how == "no list" ? nullptr : &value);
    // The host's grid has the row, but the window does not manage it: the
    // test decides when the edit ends.
    m_window->Grid()->insertRow(0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->Grid()->setCurrentCell(0, 1);
    property->BeginEdit();
    QPointer<QPushButton> button = ButtonWithText(m_window.get(), Utf8("設定"));
    QVERIFY(!button.isNull() && button->isVisible());
    if (how == "destroyed")
        m_properties.clear();
    if (how == "ended") {
        property->EndEdit();
        QVERIFY(!button->isVisible());
    }
    bool opened = false;
    WhenModal([&](QWidget*) { opened = true; });
    button->click();
    QCoreApplication::processEvents();
    QVERIFY(!opened);
}

// The host shows the property in a new window, the old one still open: the
// button is made again in the new window; closing the old one takes the old
// button with it. Unloading the module takes the button away.
void PluginTest::buttonFollowsTheWindowAndTheModule()
{
    CStepchainData value;
    IPWProperty* property = Make(&value);
    QPointer<QPushButton> first = Show(property);
    QVERIFY(!first.isNull());
    std::unique_ptr<PropertyWindow> old = std::exchange(m_window, std::make_unique<PropertyWindow>());
    QPointer<QPushButton> second = Show(property);
    QVERIFY(!second.isNull() && second->isVisible());
    old.reset();
    QVERIFY(first.isNull());
    m_window->Clear();
    m_properties.clear();
    dlclose(std::exchange(m_module, nullptr));
    QVERIFY(second.isNull());
}

QTEST_MAIN(PluginTest)
#include "PluginTest.moc"
