#include "tools/edit/EditorWindow.h"

#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "core/Cp932.h"
#include "tools/edit/EditSession.h"
#include "tools/edit/PropertyWindow.h"

namespace {
QString Shown(const std::string& cp932) { return QString::fromStdString(cp932::ToUTF8(cp932)); }
}

EditorWindow::EditorWindow(EditSession& session, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_properties(new PropertyWindow(this))
{
    setWindowTitle(tr("%1 - stepchain-edit").arg(QString::fromStdString(session.ListPath())));
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setShortcut(QKeySequence::Quit);
    QMenu* memories = menuBar()->addMenu(tr("&Memories"));
    m_renameAction = memories->addAction(tr("&Rename..."), this, &EditorWindow::RenameFromMenu);

    setCentralWidget(m_properties);
    m_properties->onChanged = [this](IPWProperty*) { Save(); };
    m_session.SetRenamer([this](QWidget* parent, const std::string& name) { return AskRename(parent, name); });
    m_properties->AddProperty(&session.Property());
    m_properties->Grid()->setCurrentCell(0, 1);
    statusBar()->showMessage(tr("Editing %1").arg(QString::fromStdString(session.ListPath())));
    resize(640, 240);
}

EditorWindow::~EditorWindow()
{
    m_session.SetRenamer(nullptr);
    m_properties->Clear();
}

void EditorWindow::Save()
{
    try {
        m_session.Save();
        statusBar()->showMessage(tr("Saved %1").arg(QString::fromStdString(m_session.ListPath())));
    } catch (const std::exception& e) {
        statusBar()->showMessage(tr("Not saved"));
        Warn(this, QString::fromStdString(e.what()));
    }
}

std::string EditorWindow::AskRename(QWidget* parent, const std::string& name)
{
    bool ok = false;
    const QString typed = QInputDialog::getText(parent, tr("Rename memory"), tr("New name for %1:").arg(Shown(name)),
                                                QLineEdit::Normal, Shown(name), &ok)
                              .trimmed();
    if (!ok || typed.isEmpty())
        return {};
    bool lossless = true;
    const std::string renamed = cp932::FromUTF8(typed.toStdString(), &lossless);
    if (!lossless) {
        Warn(parent, tr("%1 holds a character that CP932 cannot hold.").arg(typed));
        return {};
    }
    if (renamed == name)
        return {};
    try {
        if (!m_session.Rename(name, renamed)) {
            Warn(parent, tr("%1 is already a memory.").arg(typed));
            return {};
        }
    } catch (const std::exception& e) {
        Warn(parent, QString::fromStdString(e.what()));
        return {};
    }
    statusBar()->showMessage(tr("Renamed %1 to %2").arg(Shown(name), typed));
    return renamed;
}

void EditorWindow::RenameFromMenu()
{
    QStringList names;
    for (const auto& [name, type] : m_session.Host().Memories())
        names << Shown(name);
    if (names.isEmpty()) {
        Warn(this, tr("The host has no memories."));
        return;
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(this, tr("Rename memory"), tr("Memory:"), names, 0, false, &ok);
    if (ok)
        AskRename(this, cp932::FromUTF8(chosen.toStdString()));
}

void EditorWindow::Warn(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, tr("stepchain-edit"), text);
}
