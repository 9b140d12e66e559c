#pragma once

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

// Runs `drive` with the modal window that the next exec() shows, once it is
// active. Call it just before the call that opens the window; a window that
// `drive` leaves open (a failed check returns early) is closed, so that a
// failing test does not hang.
inline void WhenModal(std::function<void(QWidget*)> drive)
{
    QTimer::singleShot(0, [drive] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal.isNull())
            return;
        if (QTest::qWaitForWindowActive(modal))
            drive(modal);
        if (!modal.isNull() && modal->isVisible())
            modal->close();
    });
}

// The push button below `root` that shows `text`; null when there is none.
inline QPushButton* ButtonWithText(QWidget* root, const QString& text)
{
    for (QPushButton* button : root->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

inline void Click(QWidget* root, const QString& text)
{
    QPushButton* button = ButtonWithText(root, text);
    QVERIFY2(button != nullptr, qPrintable(text));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks row `row` of the module's editor and chooses the kind named
// `kind` (UTF-8) there, with `then` driving the settings dialog that opens.
inline void ChooseKind(QWidget* editor, int row, const char* kind, std::function<void(QWidget*)> then = nullptr)
{
    auto* grid = editor->findChild<QTableView*>();
    auto* kinds = editor->findChild<QComboBox*>();
    QVERIFY(grid != nullptr && kinds != nullptr);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
    const int index = kinds->findText(QString::fromUtf8(kind));
    QVERIFY2(index >= 0 && kinds->isVisible(), kind);
    if (then)
        WhenModal(then);
    kinds->setCurrentIndex(index);
    emit kinds->activated(index);
}
