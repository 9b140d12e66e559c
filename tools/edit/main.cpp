// stepchain-edit: edits an action-list file through the plug-in, the way the
// host application edits a property.
#include <CLI/CLI.hpp>
#include <QApplication>

#include <iostream>
#include <memory>

#include "tools/edit/EditSession.h"
#include "tools/edit/EditorWindow.h"

namespace {
constexpr int kExitBadInput = 2;
}

int main(int argc, char** argv)
{
    CLI::App app{"stepchain-edit: edit an action-list file in the list editor, through the plug-in"};
    EditOptions options;
    app.add_option("LIST", options.list, "action-list file (binary or text form); made on the first confirmed edit")
        ->required();
    app.add_option("--host", options.host, "host description (JSON); memories registered or renamed are kept in it");
    app.add_option("--name", options.name, "display name of the property (default: アクション)");
    app.add_option("--owner", options.owner, "object name of the list's owner (default: none; the host takes the list)");
    app.add_option("--limit", options.limit, "limit word, decimal or 0x hexadecimal");
    app.add_option("--plugin", options.plugin, "the plug-in (default: beside this program, or installed with it)");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "stepchain-edit: " << e.what() << " (see stepchain-edit --help)\n";
        return kExitBadInput;
    }

    // Everything that can fail is tried before a window opens.
    std::unique_ptr<EditSession> session;
    try {
        session = std::make_unique<EditSession>(options);
    } catch (const std::exception& e) {
        std::cerr << "stepchain-edit: " << e.what() << '\n';
        return kExitBadInput;
    }
    QApplication application(argc, argv);
    EditorWindow window(*session);
    window.show();
    return application.exec();
}
