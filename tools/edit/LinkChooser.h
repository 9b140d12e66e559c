#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

// The host's action-link chooser: the events of other objects that an
// action can run, as the host names them ("device!object!event").
class LinkChooser : public QDialog {
    Q_OBJECT
public:
    // `targets` and `start` are CP932. The start text selects the target it
    // names, or else the first one that begins with it (an owner's name and
    // "!" selects that object's first event).
    LinkChooser(const std::vector<std::string>& targets, const std::string& start, QWidget* parent);

    // The chosen target, CP932; empty when none is selected.
    std::string Choice() const;
    QListWidget* List() const { return m_list; }

private:
    const std::vector<std::string>& m_targets;
    QListWidget* m_list;
};
