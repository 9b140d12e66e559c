#include "ui/FieldGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <vector>

namespace {
enum Column { INDENT, LABEL, FIELD, UNIT, COLUMNS };
}

FieldGrid::FieldGrid(QWidget* owner) : m_owner(owner)
{
    setColumnMinimumWidth(INDENT, owner->fontMetrics().height() * 3 / 2);
    setColumnStretch(FIELD, 1);
}

QLabel* FieldGrid::AddField(const QString& label, QWidget* field, bool indented, const QString& unit)
{
    const int row = m_rows++;
    auto* text = new QLabel(label, m_owner);
    text->setBuddy(field);
    if (indented)
        addWidget(text, row, LABEL);
    else
        addWidget(text, row, INDENT, 1, LABEL - INDENT + 1);
    addWidget(field, row, FIELD);
    if (!unit.isEmpty())
        addWidget(new QLabel(unit, m_owner), row, UNIT);
    return text;
}

void FieldGrid::AddCheck(QCheckBox* box, bool indented)
{
    const int first = indented ? LABEL : INDENT;
    addWidget(box, m_rows++, first, 1, COLUMNS - first);
}

void EnableWhileTicked(QCheckBox* box, std::initializer_list<QWidget*> widgets)
{
    const auto apply = [list = std::vector<QWidget*>(widgets)](bool ticked) {
        for (QWidget* widget : list)
            widget->setEnabled(ticked);
    };
    apply(box->isChecked());
    QObject::connect(box, &QCheckBox::toggled, box, apply);
}
