#pragma once

#include <QGridLayout>
#include <QString>
#include <initializer_list>

class QCheckBox;
class QLabel;
class QWidget;

// The rows of a settings dialog, top to bottom: a label with its field (and
// an optional unit after it), or a check box; an indented row stands under
// the check box whose setting it belongs to.
class FieldGrid : public QGridLayout {
public:
    // Labels are made as children of `owner`.
    explicit FieldGrid(QWidget* owner);

    QLabel* AddField(const QString& label, QWidget* field, bool indented = false, const QString& unit = {});
    void AddCheck(QCheckBox* box, bool indented = false);

private:
    QWidget* m_owner;
    int m_rows = 0;
};

// Enables `widgets` exactly while `box` is ticked, from now on.
void EnableWhileTicked(QCheckBox* box, std::initializer_list<QWidget*> widgets);
