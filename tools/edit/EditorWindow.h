#pragma once

#include <QMainWindow>
#include <string>

class EditSession;
class PropertyWindow;
class QAction;

// The reference host's main window: the property grid with the session's
// property, a menu to rename a memory, and the file written back whenever
// the property reports a change.
class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EditorWindow(EditSession& session, QWidget* parent = nullptr);
    ~EditorWindow() override;

    PropertyWindow* Properties() const { return m_properties; }
    QAction* RenameAction() const { return m_renameAction; }

    // Asks for the new name of memory `name` (CP932) and renames it
    // everywhere; the new name, empty when nothing was renamed.
    std::string AskRename(QWidget* parent, const std::string& name);

private:
    void Save();
    void RenameFromMenu();
    void Warn(QWidget* parent, const QString& text);

    EditSession& m_session;
    PropertyWindow* m_properties;
    QAction* m_renameAction;
};
