// The reference host edits list files end to end through the built plug-in:
// the user's clicks in its property grid, in the module's editor and
// dialogs, and in the host's own pickers, then the files' bytes.
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <nlohmann/json.hpp>

#include "core/Cp932.h"
#include "host/HostApi.h"
#include "host/HostMessages.h"
#include "plugin/Modal.h"
#include "tools/ListBuilder.h"
#include "tools/OutputFile.h"
#include "tools/edit/EditSession.h"
#include "tools/edit/EditorWindow.h"
#include "tools/edit/PropertyWindow.h"
#include "tools/textform/TextForm.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }
QString Hex(const std::string& bytes) { return QString::fromStdString(ToHex(bytes)); }

// The list a file holds, read with the test's own code.
std::unique_ptr<CStepchainData> ListOf(const std::string& bytes)
{
    auto list = std::make_unique<CStepchainData>();
    if (!bytes.empty()) {
        CArchive ar(bytes);
        list->Serialize(ar);
    }
    return list;
}

}

class ReferenceHostTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void editsAListFileEndToEnd_data();
    void editsAListFileEndToEnd();
    void renameReachesTheOpenEditorAndBothFiles();
    void answersTheModulesMessages();
    void refusesToStart();

private:
    void Open(const std::string& list);
    // Clicks the property's "設定" button with `drive` handling the editor.
    void EditWith(std::function<void(QWidget*)> drive);
    std::string Path(const char* name) const { return m_dir->filePath(name).toStdString(); }

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::string m_hostPath;
    std::unique_ptr<EditSession> m_session;
    std::unique_ptr<EditorWindow> m_window;
};

void ReferenceHostTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
}

void ReferenceHostTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_hostPath = Path("host.json");
    QVERIFY(QFile::copy(STEPCHAIN_EXAMPLES "/host.json", QString::fromStdString(m_hostPath)));
    QFile(QString::fromStdString(m_hostPath)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

void ReferenceHostTest::cleanup()
{
    m_window.reset();
    m_session.reset();
    m_dir.reset();
}

void ReferenceHostTest::Open(const std::string& list)
{
    EditOptions options;
    options.list = list;
    options.host = m_hostPath;
    options.plugin = STEPCHAIN_PLUGIN;
    m_session = std::make_unique<EditSession>(options);
    m_window = std::make_unique<EditorWindow>(*m_session);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCoreApplication::processEvents();
}

void ReferenceHostTest::EditWith(std::function<void(QWidget*)> drive)
{
    QPushButton* button = ButtonWithText(m_window.get(), Utf8("設定"));
    QVERIFY(button != nullptr && button->isVisible());
    WhenModal(std::move(drive));
    QTest::mouseClick(button, Qt::LeftButton);
}

void ReferenceHostTest::editsAListFileEndToEnd_data()
{
    QTest::addColumn<QString>("start");
    QTest::newRow("sample list") << "flow.stepchain";
    QTest::newRow("new file") << "";
    QTest::newRow("text form") << "flow.json";
}

// Open, "設定", a new row, a set value through its dialog, OK: the file
// holds the list with the set value appended, in the form it had.
void ReferenceHostTest::editsAListFileEndToEnd()
{
    QFETCH(QString, start);
    const bool textForm = start.endsWith(".json");
    const std::string list = Path(start.isEmpty() ? "new.stepchain" : qPrintable(start));
    const std::string sample = FileBytes(STEPCHAIN_EXAMPLES "/flow.stepchain");
    if (textForm)
        WriteFileWhole(list, textform::Dump(*ListOf(sample)));
    else if (!start.isEmpty())
        WriteFileWhole(list, sample);
    auto expected = ListOf(start.isEmpty() ? std::string() : sample);
    SetValue(*expected, "W1", "5");

    Open(list);
    const int rows = static_cast<int>(m_session->Value().GetCount());
    EditWith([&](QWidget* editor) {
        ChooseKind(editor, rows, "値セット", [](QWidget* dialog) {
            const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
            QVERIFY(fields.size() == 2);
            fields[0]->setText("W1");
            fields[1]->setText("5");
            Click(dialog, Utf8("OK"));
        });
        Click(editor, Utf8("OK"));
    });

    const std::string written = FileBytes(list);
    QCOMPARE(Hex(textForm ? StoredBytes(*textform::Build(written)) : written), Hex(StoredBytes(*expected)));
    QCOMPARE(m_window->Properties()->Grid()->item(0, 1)->text(), Utf8("(%1件設定済)").arg(rows + 1));
}

// In the set-value dialog of row 1, the host's memory picker renames W0:
// the open dialog, the editor's working copy, HOST.json and the list file
// all take the new name, and OK keeps it.
void ReferenceHostTest::renameReachesTheOpenEditorAndBothFiles()
{
    const std::string list = Path("mixed.stepchain");
    const std::string sample = FileBytes(STEPCHAIN_EXAMPLES "/mixed.stepchain");
    WriteFileWhole(list, sample);
    auto expected = ListOf(sample);
    QCOMPARE(expected->MemSync("W0", "W5"), 1);

    Open(list);
    EditWith([&](QWidget* editor) {
        auto* grid = editor->findChild<QTableView*>();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 1)).center());
        WhenModal([&](QWidget* dialog) {
            WhenModal([](QWidget* picker) {
                WhenModal([](QWidget* ask) {
                    auto* input = qobject_cast<QInputDialog*>(ask);
                    QVERIFY(input != nullptr);
                    input->setTextValue("W5");
                    input->accept();
                });
                Click(picker, "Rename...");
                Click(picker, "OK");
            });
            Click(dialog, Utf8("▼"));
            // The list file took the new name at once.
            QCOMPARE(Hex(FileBytes(list)), Hex(StoredBytes(*expected)));
            Click(dialog, Utf8("OK"));
        });
        Click(editor, Utf8("設定"));
        Click(editor, Utf8("OK"));
    });

    QCOMPARE(Hex(FileBytes(list)), Hex(StoredBytes(*expected)));
    const auto host = nlohmann::json::parse(FileBytes(m_hostPath));
    QVERIFY(!host["memories"].contains("W0"));
    QCOMPARE(host["memories"]["W5"].get<int>(), 0);
}

// Every message the module sends gets the answer HOST.json gives.
void ReferenceHostTest::answersTheModulesMessages()
{
    Open(Path("new.stepchain"));
    const std::string name = cp932::FromUTF8("アクション");
    QVERIFY(host::CaptionWanted(name, "STEPCHAIN"));
    QVERIFY(host::HasLayers());
    QCOMPARE(host::ReadProjectSettings().ModelName, std::string("PW-CAVO10"));
    QCOMPARE(host::ReadProjectSettings().RepeatInterval, 10u);
    std::vector<std::string> subroutines;
    host::QueryFeature("WIZ_MODULEREGST", &subroutines);
    QCOMPARE(subroutines, std::vector<std::string>{"INIT: start-up"});
    QVERIFY(!host::HasFeature("WIZ_FONTBUILDER"));
    std::string link = "PLC1!Btn1!Push";
    host::TranslateLink(&link);
    QCOMPARE(link, std::string("PLC1!Btn1!Push"));
    // The action-link chooser offers the objects, and OK takes the one chosen.
    link = "PLC1!";
    WhenModal([&](QWidget* chooser) { Click(chooser, "OK"); });
    QVERIFY(host::RequestActionLink(m_window.get(), &link));
    QCOMPARE(link, std::string("PLC1!Btn1!Push"));
    host::NodeCleared(nullptr);
    QCOMPARE(SendToHost(hostmsg::NODE_LOADED, 0, 0), 0);

    // What the host's memory picker lists for each filter code, and what it answers.
    // The filter, the memories listed, the text the picker starts from, the text chosen ("": cancelled).
    const std::tuple<uint, QStringList, QString, QString> cases[] = {
        {6u, {"W0", "W1"}, "W1", "W1"},
        {5u, {"TXT1"}, "TXT1[TEXT]", "TXT1[TEXT]"},
        {3u, {"GR1"}, "", "GR1[GRAPH]"},
        {0x40000004u, {"TXT1", "W0", "W1"}, "W0", "W0"},
        {0u, {"GR1", "TXT1", "W0", "W1"}, "", ""},
    };
    for (const auto& [filter, listed, start, chosen] : cases) {
        std::string text = start.toStdString();
        const std::string owner = "Btn1";
        WhenModal([&](QWidget* picker) {
            auto* memories = picker->findChild<QTreeWidget*>();
            QStringList names;
            for (int i = 0; i < memories->topLevelItemCount(); ++i)
                names << memories->topLevelItem(i)->text(0);
            QCOMPARE(names, listed);
            if (memories->currentItem() == nullptr && !chosen.isEmpty())
                memories->setCurrentItem(memories->topLevelItem(0));
            Click(picker, chosen.isEmpty() ? "Cancel" : "OK");
        });
        const bool picked = host::RequestPicker(PickerRequest{&text, &owner, filter, m_window.get()}, m_window.get());
        QCOMPARE(picked, !chosen.isEmpty());
        QCOMPARE(QString::fromStdString(text), chosen.isEmpty() ? start : chosen);
    }

    bool found = true;
    QCOMPARE(host::LookupMemory("TXT1", &found), 2);
    host::LookupMemory("NEW1", &found);
    QVERIFY(!found);
    host::RegisterMemory("NEW1", 2);
    QCOMPARE(host::LookupMemory("NEW1", &found), 2);

    // The edited list of another property is not this one's.
    const auto edited = Listed("R");
    host::ApplyEditedList(edited.get(), "other");
    QCOMPARE(m_session->Value().GetCount(), size_t{0});
    host::ApplyEditedList(edited.get(), name);
    QCOMPARE(m_session->Value().GetCount(), size_t{1});

    // A registered memory is kept once an edit is confirmed.
    QVERIFY(!nlohmann::json::parse(FileBytes(m_hostPath))["memories"].contains("NEW1"));
    m_session->Save();
    QCOMPARE(nlohmann::json::parse(FileBytes(m_hostPath))["memories"]["NEW1"].get<int>(), 2);
    QCOMPARE(Hex(FileBytes(Path("new.stepchain"))), Hex(StoredBytes(*edited)));

}

// Each refusal is one line on the error output and exit code 2; the list is left as it was.
void ReferenceHostTest::refusesToStart()
{
    const QString examples = STEPCHAIN_EXAMPLES;
    const std::pair<QStringList, QString> cases[] = {
        {{"--plugin", "missing.so"}, "missing.so: the plug-in does not exist"},
        {{"--plugin", STEPCHAIN_OTHER_MODULE}, "is a property module of type 'OTHER', not STEPCHAIN"},
        {{"--plugin", STEPCHAIN_HOST_LIBRARY}, "is not a property module: it has no GetType or Create"},
        {{"--plugin", STEPCHAIN_PLUGIN, "--host", examples + "/host.json"}, "list.stepchain: bad format while reading row 1"},
        {{"--plugin", STEPCHAIN_PLUGIN, "--host", "list.stepchain"}, "list.stepchain: a zero byte at byte offset 1"},
    };
    const QString list = m_dir->filePath("list.stepchain");
    const std::string junk("\x01\x00\xEE junk", 8);
    WriteFileWhole(list.toStdString(), junk);
    const QDateTime before = QFileInfo(list).lastModified();
    for (const auto& [arguments, message] : cases) {
        QProcess process;
        process.setWorkingDirectory(m_dir->path());
        process.start(STEPCHAIN_EDIT, QStringList{"list.stepchain"} + arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 2);
        const QString error = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(error.startsWith("stepchain-edit: ") && error.contains(message), qPrintable(error));
        QCOMPARE(error.count('\n'), 1);
    }
    QCOMPARE(QFileInfo(list).lastModified(), before);
}

QTEST_MAIN(ReferenceHostTest)
#include "ReferenceHostTest.moc"
