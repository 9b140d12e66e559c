#pragma once

#include <QApplication>
#include <QPointer>
#include <QPushButton>
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
