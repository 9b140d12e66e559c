#include "EditorSupport.h"

// The editor as the user sees it: nothing cut off, the buttons in one line.
// With STEPCHAIN_SCREENSHOT set to a file name, the editor is saved there as
// a picture (run under a real display with the Japanese font to look at it).
class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void editorShowsEverything()
    {
        // A branch to a label above it is invalid: its row is red.
        Editing e("V:W1 P L:LOOP V:TEMP_SETPOINT_HIGH B:LOOP R B:END L:END X");
        e.editor->resize(e.editor->minimumSize());
        e.Select(3, 3);
        QPushButton* previous = nullptr;
        QString texts;
        for (int i = 0; i < CStepchainDlg::CommandCount; ++i) {
            QPushButton* button = e.editor->CommandButton(CStepchainDlg::Command(i));
            QVERIFY(!previous || (button->y() == previous->y() && button->x() > previous->geometry().right()));
            previous = button;
            texts += button->text();
        }
        QCOMPARE(texts, QString::fromUtf8("上へ下へコピー切取り貼付け挿入"));
        for (QPushButton* button : e.editor->findChildren<QPushButton*>()) {
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(), qPrintable(button->text()));
            QVERIFY(e.editor->rect().contains(button->geometry()));
        }
        const QComboBox* kinds = e.editor->KindList();
        for (int i = 0; i < kinds->count(); ++i)
            QVERIFY(kinds->fontMetrics().horizontalAdvance(kinds->itemText(i)) < e.editor->Grid()->columnWidth(0));
        QVERIFY(kinds->height() <= e.editor->Grid()->rowHeight(3));
        QVERIFY(e.editor->Grid()->viewport()->rect().contains(e.editor->SettingsButton()->geometry()));

        const QString file = qEnvironmentVariable("STEPCHAIN_SCREENSHOT");
        if (!file.isEmpty()) {
            e.editor->resize(760, 420);
            e.Select(4, 4);
            QVERIFY(e.editor->grab().save(file));
        }
    }
};

UI_TEST_CLASS(LayoutTest);

#include "LayoutTest.moc"
