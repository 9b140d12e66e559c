#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

class HostFile;
class QPushButton;
class QTreeWidget;

// The host's memory picker: the memories of the kinds that the field's
// filter code allows, one to choose. The choice comes back as the host
// names memories in its answers: the name, followed by "[GRAPH]" for a graph
// memory and "[TEXT]" for a text memory.
class MemoryPicker : public QDialog {
    Q_OBJECT
public:
    // Renames one memory (CP932); the new name, empty when it was not renamed.
    using Rename = std::function<std::string(QWidget* parent, const std::string& name)>;

    MemoryPicker(const HostFile& host, uint32_t filter, const std::string& start, const std::string& owner,
                 Rename rename, QWidget* parent);

    // Whether filter code `filter` lists memories of host type `type`
    // (0 ordinary, 1 graph, 2 text): 6 ordinary, 5 text, 3 graph,
    // 0x40000004 ordinary or text; any other code lists every memory.
    static bool Lists(uint32_t filter, int type);
    // The name with the suffix of its type, CP932.
    static std::string WithSuffix(const std::string& name, int type);

    // The chosen memory, with its suffix; empty when none is selected.
    std::string Choice() const;
    QTreeWidget* List() const { return m_list; }

private:
    void Fill(const std::string& select);
    void RenameSelected();

    const HostFile& m_host;
    uint32_t m_filter;
    Rename m_rename;
    QTreeWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_renameButton;
};
