// The plug-in as a host uses it: loaded with dlopen, its property made
// through Create and driven through the property's interface, with the
// reference host's property window as the host's grid.
#include <dlfcn.h>

#include <QComboBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <sstream>

#include "Modal.h"
#include "core/CStepchainData.h"
#include "core/Cp932.h"
#include "core/SpecExport.h"
#include "core/Texts.h"
#include "host/IPWObject.h"
#include "host/IPWProperty.h"
#include "host/PluginEntry.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Stored.h"
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
        received.push_back(msg);
        captionName = *reinterpret_cast<const std::string*>(wParam);
        captionType = *reinterpret_cast<const std::string*>(lParam);
        return captionAnswer;
    }
    intptr_t captionAnswer = 1;
    std::string captionName;
    std::string captionType;
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

void Fill(CStepchainData& list, int count)
{
    for (int i = 0; i < count; ++i)
        list.AddSC(list.CreateSC(i % 2 == 0 ? SC_ACTIONEXIT : SC_REFSH));
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QString Hex(const std::string& bytes) { return QString::fromStdString(ToHex(bytes)); }

// The row of an empty list, or of none.
const QString kEmptySpec = Utf8("    <tr>\n        <td>\n            押下時アクション\n        </td>\n"
                                "        <td >\n            未設定\n　　　　</td>\n    </tr>\n");

}

class PluginTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void answersItsTypeKey();
    void drawsNameAndCaption();
    void setValueAsksTheOwner();
    void worksWithoutAValueList();
    void editsThroughItsButton_data();
    void editsThroughItsButton();
    void storesAndLoadsByteExactly();
    void exportsItsSpecificationRow();
    void buttonLetsGoOfItsProperty_data();
    void buttonLetsGoOfItsProperty();
    void buttonIsMadeAgainInANewWindow();
    void hostMayDropThePropertyWhileTheEditorRuns();
    void hostMayCloseItsWindowWhileTheEditorRuns();
    void unloadingTakesTheButtonAway();

private:
    IPWProperty* Make(CStepchainData* value, IPWObject* owner = nullptr, int context = 0);
    // The property's row in the grid, with its button laid over it.
    QPushButton* Show(IPWProperty* property);
    QString Cell(int column) const;

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

QString PluginTest::Cell(int column) const
{
    const QTableWidgetItem* item = m_window->Grid()->item(0, column);
    return item != nullptr ? item->text() : QString();
}

void PluginTest::answersItsTypeKey()
{
    QCOMPARE(m_getType(), "STEPCHAIN");
    CStepchainData value;
    IPWProperty* property = Make(&value);
    QVERIFY(property != nullptr);
    QCOMPARE(property->GetType(), "STEPCHAIN");
    QVERIFY(property->GetName() == kName);
    QCOMPARE(property->GetValue(), static_cast<void*>(&value));
    QVERIFY(property->GetWorkValue() != nullptr && property->GetWorkValue() != &value);
}

void PluginTest::drawsNameAndCaption()
{
    // The host's answer to caption wanted, the actions, the caption.
    const std::tuple<int, int, QString> cases[] = {{1, 0, Utf8("(未設定)")}, {1, 3, Utf8("(3件設定済)")}, {0, 3, {}}};
    for (const auto& [answer, actions, caption] : cases) {
        m_host->captionAnswer = answer;
        CStepchainData value;
        Fill(value, actions);
        m_window->Clear();
        m_window->AddProperty(Make(&value));
        QCOMPARE(Cell(0), Utf8("押下時アクション"));
        QCOMPARE(Cell(1), caption);
        QCOMPARE(m_window->Grid()->item(0, 1)->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
        QVERIFY(m_host->captionName == kName);
        QCOMPARE(m_host->captionType.c_str(), "STEPCHAIN");
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
        CStepchainData value;
        Fill(value, 1);
        CStepchainData proposed;
        Fill(proposed, 3);
        const std::string expected = StoredBytes(result != 0 ? proposed : value);
        IPWProperty* property = Make(&value, hasOwner ? &owner : nullptr, 7);
        QCOMPARE(property->SetValue(&proposed, notify), result);
        QCOMPARE(Hex(StoredBytes(value)), Hex(expected));
        QCOMPARE(Hex(StoredBytes(proposed)), Hex(expected));
        QCOMPARE(owner.changed, changed);
        QCOMPARE(m_notified, notified);
        QCOMPARE(owner.lastContext, hasOwner ? 7 : 0);
    }
}

// A property made without a list draws no caption, stores an empty list,
// reads and drops a stored one, exports the empty row and opens no editor.
void PluginTest::worksWithoutAValueList()
{
    Owner owner;
    IPWProperty* property = Make(nullptr, &owner);
    QVERIFY(property->GetValue() == nullptr);
    QCOMPARE(property->GetLimit(), 0u);
    property->SetLimit(0x24);
    QCOMPARE(property->GetLimit(), 0u);
    property->SetOwnerObj(&owner);

    CArchive stored;
    property->Serialize(stored);
    QCOMPARE(Hex(stored.GetStored()), Hex(std::string("\0\0", 2)));
    CStepchainData three;
    Fill(three, 3);
    CArchive loading(StoredBytes(three) + "XY");
    property->Serialize(loading);
    QCOMPARE(loading.GetRemaining(), size_t{2});

    CStepchainData empty;
    QCOMPARE(property->CompareProperties(&empty), 1);
    QCOMPARE(property->CompareProperties(nullptr), 1);
    QCOMPARE(property->CompareProperties(&three), 0);
    QCOMPARE(property->SetValue(&three, 1), 0);
    QCOMPARE(three.GetCount(), size_t{3});
    std::ostringstream spec;
    property->ExportSpec(spec);
    QCOMPARE(QString::fromStdString(spec.str()), kEmptySpec);
    QVERIFY(property->ExportSpecKeyword().empty());

    QPushButton* button = Show(property);
    QVERIFY(button != nullptr);
    QCOMPARE(Cell(1), QString());
    bool opened = false;
    WhenModal([&](QWidget*) { opened = true; });
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(!opened);
    QCOMPARE(owner.changed, 0);
    QCOMPARE(m_notified, 0);
}

void PluginTest::editsThroughItsButton_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

// The user opens the editor with "設定", adds an end of actions on the new
// row, then confirms or cancels.
void PluginTest::editsThroughItsButton()
{
    QFETCH(bool, confirm);
    Owner owner;
    CStepchainData value;
    Fill(value, 2);
    const std::string before = StoredBytes(value);
    QSettings profile("VESKAROLIN", "Panelwright");
    profile.remove("Settings/StepchainDlg");
    IPWProperty* property = Make(&value, &owner);
    QPushButton* button = Show(property);
    QVERIFY(button != nullptr && button->isVisible());
    QCOMPARE(button->width(), 48);
    const QRect cell = m_window->Grid()->visualRect(m_window->Grid()->model()->index(0, 1));
    const QPoint cellRight = m_window->Grid()->viewport()->mapTo(m_window.get(), cell.topRight());
    QCOMPARE(button->mapTo(m_window.get(), QPoint(button->width() - 1, 0)), cellRight);
    QCOMPARE(button->height(), cell.height());

    bool driven = false;
    WhenModal([&](QWidget* editor) {
        auto* grid = editor->findChild<QTableView*>();
        auto* kinds = editor->findChild<QComboBox*>();
        QVERIFY(grid != nullptr && kinds != nullptr);
        const QModelIndex newRow = grid->model()->index(2, 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(newRow).center());
        const int end = kinds->findText(Utf8("アクション終了"));
        QVERIFY(end >= 0 && kinds->isVisible());
        kinds->setCurrentIndex(end);
        emit kinds->activated(end);
        QCOMPARE(grid->model()->rowCount(), 4);
        QPushButton* close = ButtonWithText(editor, confirm ? Utf8("OK") : Utf8("キャンセル"));
        QVERIFY(close != nullptr);
        QTest::mouseClick(close, Qt::LeftButton);
        driven = true;
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(driven);

    if (confirm) {
        QCOMPARE(value.GetCount(), size_t{3});
        QCOMPARE(value.GetAt(2)->GetActionType(), int(SC_ACTIONEXIT));
        QCOMPARE(Cell(1), Utf8("(3件設定済)"));
    } else {
        QCOMPARE(Hex(StoredBytes(value)), Hex(before));
        QCOMPARE(Cell(1), Utf8("(2件設定済)"));
    }
    QCOMPARE(owner.changed, confirm ? 1 : 0);
    QCOMPARE(m_notified, confirm ? 1 : 0);
    // The editor keeps its placement in the module's profile either way.
    QCOMPARE(profile.value("Settings/StepchainDlg").toByteArray().size(), 44);
}

void PluginTest::storesAndLoadsByteExactly()
{
    const std::string bytes = FileBytes(STEPCHAIN_EXAMPLES "/mixed.stepchain");
    CStepchainData value;
    IPWProperty* property = Make(&value);
    CArchive loading(bytes);
    property->Serialize(loading);
    QCOMPARE(loading.GetRemaining(), size_t{0});
    QVERIFY(value.GetCount() > 0);
    CArchive storing;
    property->Serialize(storing);
    QCOMPARE(Hex(storing.GetStored()), Hex(bytes));

    CStepchainData own;
    CArchive again(bytes);
    own.Serialize(again);
    QCOMPARE(property->CompareProperties(&own), 1);
    own.AddSC(own.CreateSC(SC_REFSH));
    QCOMPARE(property->CompareProperties(&own), 0);
}

void PluginTest::exportsItsSpecificationRow()
{
    CStepchainData value;
    IPWProperty* property = Make(&value);
    for (int actions : {0, 1}) {
        Fill(value, actions);
        std::ostringstream spec;
        property->ExportSpec(spec);
        QCOMPARE(QString::fromStdString(spec.str()),
                 actions == 0 ? kEmptySpec : QString::fromStdString(ExportPropertySpec(value, kName)));
        QCOMPARE(QString::fromStdString(property->ExportSpecKeyword()), QString(actions == 0 ? "" : ":"));
    }
}

void PluginTest::buttonLetsGoOfItsProperty_data()
{
    QTest::addColumn<bool>("destroyed");
    QTest::newRow("property destroyed") << true;
    QTest::newRow("edit ended") << false;
}

// A click on the shared button after its property went, or after the edit
// ended, opens nothing.
void PluginTest::buttonLetsGoOfItsProperty()
{
    QFETCH(bool, destroyed);
    CStepchainData value;
    std::unique_ptr<IPWProperty> property(m_create(1, nullptr, kName.c_str(), 0, 0, &value, "", 0, 0, 0, 0, ""));
    // The host's grid has the row, but the window does not manage it: the
    // test decides when the edit ends.
    m_window->Grid()->insertRow(0);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_window->Grid()->setCurrentCell(0, 1);
    property->BeginEdit();
    QPointer<QPushButton> button = ButtonWithText(m_window.get(), Utf8("設定"));
    QVERIFY(!button.isNull() && button->isVisible());
    if (destroyed) {
        property.reset();
    } else {
        property->EndEdit();
        QVERIFY(!button->isVisible());
    }
    bool opened = false;
    WhenModal([&](QWidget*) { opened = true; });
    button->click();
    QCoreApplication::processEvents();
    QVERIFY(!opened);
}

void PluginTest::buttonIsMadeAgainInANewWindow()
{
    CStepchainData value;
    IPWProperty* property = Make(&value);
    QPointer<QPushButton> first = Show(property);
    QVERIFY(!first.isNull());
    m_window.reset();
    QVERIFY(first.isNull());

    m_window = std::make_unique<PropertyWindow>();
    m_window->resize(480, 200);
    QPushButton* second = Show(property);
    QVERIFY(second != nullptr && second->isVisible());
    bool opened = false;
    WhenModal([&](QWidget* editor) {
        opened = true;
        QTest::mouseClick(ButtonWithText(editor, Utf8("キャンセル")), Qt::LeftButton);
    });
    QTest::mouseClick(second, Qt::LeftButton);
    QVERIFY(opened);
}

// The host lets go of the property while the user is still in the editor;
// the list (the host's) stays. Confirming then changes the list, but tells
// nobody and writes into no grid.
void PluginTest::hostMayDropThePropertyWhileTheEditorRuns()
{
    Owner owner;
    CStepchainData value;
    IPWProperty* property = Make(&value, &owner);
    QPushButton* button = Show(property);
    QVERIFY(button != nullptr);
    WhenModal([&](QWidget* editor) {
        m_window->Clear();
        m_properties.clear();
        QTest::mouseClick(ButtonWithText(editor, Utf8("OK")), Qt::LeftButton);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(m_properties.empty());
    QCOMPARE(owner.changed, 0);
    QCOMPARE(m_notified, 0);
}

// The host's window goes, and with it the button and the editor opened from it.
void PluginTest::hostMayCloseItsWindowWhileTheEditorRuns()
{
    Owner owner;
    CStepchainData value;
    Fill(value, 1);
    QPushButton* button = Show(Make(&value, &owner));
    QVERIFY(button != nullptr);
    bool driven = false;
    WhenModal([&](QWidget*) {
        m_window.reset();
        driven = true;
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(driven);
    QCOMPARE(value.GetCount(), size_t{1});
    QCOMPARE(owner.changed, 0);
}

void PluginTest::unloadingTakesTheButtonAway()
{
    CStepchainData value;
    QPointer<QPushButton> button = Show(Make(&value));
    QVERIFY(!button.isNull());
    m_window->Clear();
    m_properties.clear();
    dlclose(std::exchange(m_module, nullptr));
    QVERIFY(button.isNull());
    QVERIFY(ButtonWithText(m_window.get(), Utf8("設定")) == nullptr);
}

QTEST_MAIN(PluginTest)
#include "PluginTest.moc"
