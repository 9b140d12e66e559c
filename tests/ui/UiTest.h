#pragma once

#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

// The test classes of this program register themselves; the program runs
// the class named by its first argument, or all of them.
struct UiTestClass {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
};
std::vector<UiTestClass>& UiTestClasses();

#define UI_TEST_CLASS(Class)                                                                        \
    static const bool Class##Registered = [] {                                                      \
        UiTestClasses().push_back({#Class, [] { return std::unique_ptr<QObject>(new Class); }});    \
        return true;                                                                                \
    }()

// The rows of a table-driven test, taken apart with a structured binding.
template <class... Columns>
using Rows = std::initializer_list<std::tuple<Columns...>>;

// Runs `drive` with the modal dialog that the next exec() shows, once it is
// the active window (so that its first field has had the focus). A dialog
// that `drive` leaves open (a failed check returns early) is cancelled.
inline void WhenModal(std::function<void(QDialog*)> drive)
{
    QTimer::singleShot(0, [drive] {
        QPointer<QDialog> dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog.isNull())
            return;
        dialog->activateWindow();
        if (QTest::qWaitForWindowActive(dialog))
            drive(dialog);
        else
            QTest::qFail("the dialog never became active", __FILE__, __LINE__);
        if (!dialog.isNull() && dialog->isVisible())
            dialog->reject();
    });
}
