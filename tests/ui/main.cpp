#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "UiTest.h"
#include "UiTestHost.h"
#include "ui/UiStart.h"

std::vector<UiTestClass>& UiTestClasses()
{
    static std::vector<UiTestClass> classes;
    return classes;
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The editor keeps its placement in the user's settings; the tests keep theirs apart.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    StartStepchainUi();
    FailOnMessages();

    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> args{argv[0]};
    for (int i = only != nullptr ? 2 : 1; i < argc; ++i)
        args.push_back(argv[i]);

    int failed = 0;
    bool ran = false;
    for (const UiTestClass& test : UiTestClasses()) {
        if (only != nullptr && std::strcmp(only, test.name) != 0)
            continue;
        ran = true;
        failed += QTest::qExec(test.make().get(), static_cast<int>(args.size()), args.data());
    }
    return ran ? failed : 1;
}
