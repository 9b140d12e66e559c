#include <QSettings>

#include "EditorSupport.h"
#include "UiTest.h"
#include "UiTestHost.h"
#include "ui/WindowPlacement.h"

namespace {

QByteArray Record(int32_t showCmd, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    WindowPlacement p;
    p.showCmd = showCmd;
    p.left = left;
    p.top = top;
    p.right = right;
    p.bottom = bottom;
    return p.Encode();
}

void Store(const QByteArray& bytes) { QSettings("VESKAROLIN", "Panelwright").setValue("Settings/StepchainDlg", bytes); }

}

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QSettings("VESKAROLIN", "Panelwright").remove("Settings"); }

    void recordLayout()
    {
        const QByteArray bytes = Record(WindowPlacement::SHOW_MAXIMIZED, 10, 20, 650, 500);
        QCOMPARE(bytes.toHex(' '), QByteArray("2c 00 00 00 00 00 00 00 03 00 00 00 ff ff ff ff ff ff ff ff ff ff ff ff "
                                              "ff ff ff ff 0a 00 00 00 14 00 00 00 8a 02 00 00 f4 01 00 00"));
        const auto back = WindowPlacement::Decode(bytes);
        QVERIFY(back.has_value());
        QCOMPARE(back->NormalRect(), QRect(10, 20, 640, 480));
    }

    // A stored placement the editor takes, or ignores.
    void storedPlacement_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<bool>("taken");
        QTest::newRow("normal") << Record(1, 40, 30, 840, 630) << true;
        QTest::newRow("minimised") << Record(2, 40, 30, 840, 630) << false;
        QTest::newRow("off every screen") << Record(1, 20000, 20000, 20800, 20600) << false;
        QTest::newRow("no size") << Record(1, 40, 30, 40, 630) << false;
        QTest::newRow("43 bytes") << Record(1, 40, 30, 840, 630).left(43) << false;
        QTest::newRow("48 bytes") << Record(1, 40, 30, 840, 630) + QByteArray(4, '\0') << false;
        QByteArray wrongLength = Record(1, 40, 30, 840, 630);
        wrongLength[0] = 40;
        QTest::newRow("wrong length word") << wrongLength << false;
    }
    void storedPlacement()
    {
        QFETCH(QByteArray, stored);
        QFETCH(bool, taken);
        UiTestHost host;
        Store(stored);
        CStepchainData source;
        auto editor = std::make_unique<CStepchainDlg>(&source, nullptr, 0, std::string());
        QCOMPARE(editor->geometry() == QRect(40, 30, 800, 600), taken);
        QVERIFY(editor->width() >= editor->minimumWidth() && editor->height() >= editor->minimumHeight());
    }

    // Cancel (as OK) keeps where the editor was; the next one opens there.
    void keptAcrossEditors()
    {
        UiTestHost host;
        CStepchainData source;
        auto first = OpenEditor(source);
        first->setGeometry(60, 50, 700, 520);
        first->reject();
        const auto stored = WindowPlacement::Decode(QSettings("VESKAROLIN", "Panelwright").value("Settings/StepchainDlg").toByteArray());
        QVERIFY(stored.has_value());
        QCOMPARE(stored->NormalRect(), first->geometry());
        auto second = OpenEditor(source);
        QCOMPARE(second->geometry(), first->geometry());
    }
};

UI_TEST_CLASS(PlacementTest);

#include "PlacementTest.moc"
