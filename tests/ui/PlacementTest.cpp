#include <QSettings>

#include "EditorSupport.h"
#include "ui/WindowPlacement.h"

namespace {
QByteArray Record(int32_t showCmd, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return WindowPlacement{WindowPlacement::SIZE, 0, showCmd, -1, -1, -1, -1, left, top, right, bottom}.Encode();
}
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
        QCOMPARE(WindowPlacement::Decode(bytes).value().NormalRect(), QRect(10, 20, 640, 480));
    }

    // A stored placement the editor takes, or ignores (minimised, off every
    // screen, no size, the wrong length or length word).
    void storedPlacement()
    {
        const QByteArray normal = Record(1, 40, 30, 840, 630);
        QByteArray wrongWord = normal;
        wrongWord[0] = 40;
        for (const auto& [stored, taken] : {std::pair{normal, true}, {Record(2, 40, 30, 840, 630), false},
                                            {Record(1, 20000, 20000, 20800, 20600), false},
                                            {Record(1, 40, 30, 40, 630), false}, {normal.left(43), false},
                                            {normal + QByteArray(4, '\0'), false}, {wrongWord, false}}) {
            UiTestHost host;
            QSettings("VESKAROLIN", "Panelwright").setValue("Settings/StepchainDlg", stored);
            CStepchainData source;
            CStepchainDlg editor(&source, nullptr, 0, std::string());
            QCOMPARE(editor.geometry() == QRect(40, 30, 800, 600), taken);
            QVERIFY(editor.width() >= editor.minimumWidth() && editor.height() >= editor.minimumHeight());
        }
    }

    // Cancel (as OK) keeps where the editor was; the next one opens there.
    void keptAcrossEditors()
    {
        Editing e("");
        e.editor->setGeometry(60, 50, 700, 520);
        e.editor->reject();
        const QByteArray stored = QSettings("VESKAROLIN", "Panelwright").value("Settings/StepchainDlg").toByteArray();
        QCOMPARE(WindowPlacement::Decode(stored).value().NormalRect(), e.editor->geometry());
        QCOMPARE(OpenEditor(e.source)->geometry(), e.editor->geometry());
    }
};

UI_TEST_CLASS(PlacementTest);

#include "PlacementTest.moc"
