#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

#include "EditorSupport.h"
#include "UiTest.h"
#include "UiTestHost.h"
#include "ui/CSCLabelDlg.h"

// The editor as the user sees it: nothing cut off, the buttons in one line.
// With STEPCHAIN_SCREENSHOT set to a file name, the editor is saved there as
// a picture (run under a real display with the Japanese font to look at it).
class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void editorShowsEverything()
    {
        UiTestHost host;
        host.layers = true;
        CStepchainData source;
        // A branch to a label above it is invalid: its row is red.
        Fill(source, {"V:W1", "P", "L:LOOP", "V:TEMP_SETPOINT_HIGH", "B:LOOP", "R", "B:END", "L:END", "X"});
        auto editor = OpenEditor(source);
        editor->resize(editor->minimumSize());
        SelectRows(*editor, 3, 3);

        for (QPushButton* button : editor->findChildren<QPushButton*>()) {
            const int needed = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(needed < button->width(), qPrintable(button->text()));
            QVERIFY(editor->rect().contains(button->geometry()));
        }
        const QComboBox* kinds = editor->KindList();
        for (int i = 0; i < kinds->count(); ++i)
            QVERIFY(kinds->fontMetrics().horizontalAdvance(kinds->itemText(i)) < editor->Grid()->columnWidth(0));
        QVERIFY(editor->KindList()->height() <= editor->Grid()->rowHeight(3));
        QVERIFY(editor->Grid()->viewport()->rect().contains(editor->SettingsButton()->geometry()));

        const QString file = qEnvironmentVariable("STEPCHAIN_SCREENSHOT");
        if (!file.isEmpty()) {
            editor->resize(760, 420);
            SelectRows(*editor, 4, 4);
            QVERIFY(editor->grab().save(file));
            CStepchainData labels;
            Fill(labels, {"L:LOOP"});
            WhenModal([&](QDialog* dialog) {
                QVERIFY(dialog->grab().save(QString(file).replace(".png", "-label.png")));
                dialog->reject();
            });
            labels.GetAt(0)->Edit(editor.get(), 0);
        }
    }
};

UI_TEST_CLASS(LayoutTest);

#include "LayoutTest.moc"
