#include "tools/edit/PropertyWindow.h"

#include <QHeaderView>
#include <QEvent>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Cp932.h"
#include "host/CPWProperty.h"

PropertyGrid::PropertyGrid(QWidget* parent) : QTableWidget(0, 2, parent)
{
    setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->resizeSection(0, 180);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() * 180 / 100);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QTableWidgetItem* PropertyGrid::Cell(int row, int col)
{
    QTableWidgetItem* cell = item(row, col);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        setItem(row, col, cell);
    }
    return cell;
}

void PropertyGrid::SetTextMatrix(int row, int col, const std::string& text)
{
    if (row >= 0 && row < rowCount() && col >= 0 && col < columnCount())
        Cell(row, col)->setText(QString::fromStdString(cp932::ToUTF8(text)));
}

void PropertyGrid::SetCellAlignment(int row, int col, CellAlignment alignment)
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    switch (alignment) {
    case CellAlignment::LeftCenter:
        Cell(row, col)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    }
}

CellRect PropertyGrid::GetCellRect(int row, int col) const
{
    const QRect cell = visualRect(model()->index(row, col));
    const QPoint at = viewport()->mapTo(this, cell.topLeft());
    return {at.x(), at.y(), cell.width(), cell.height()};
}

PropertyWindow::PropertyWindow(QWidget* parent) : QWidget(parent), m_grid(new PropertyGrid(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    CPWProperty::m_pDlg = this;
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) { Edit(row); });
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &PropertyWindow::EditAgainLater);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, &PropertyWindow::EditAgainLater);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, &PropertyWindow::EditAgainLater);
    m_grid->viewport()->installEventFilter(this);
}

PropertyWindow::~PropertyWindow()
{
    Clear();
    if (CPWProperty::m_pDlg == this)
        CPWProperty::m_pDlg = nullptr;
}

void PropertyWindow::AddProperty(IPWProperty* property)
{
    const int row = m_grid->rowCount();
    m_grid->insertRow(row);
    m_properties.push_back(property);
    property->Draw(row);
}

void PropertyWindow::Clear()
{
    if (m_editing >= 0)
        m_properties[static_cast<size_t>(m_editing)]->EndEdit();
    m_editing = -1;
    m_properties.clear();
    m_grid->setRowCount(0);
}

void PropertyWindow::OnPropertyChanged(IPWProperty* property)
{
    if (onChanged)
        onChanged(property);
}

bool PropertyWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_grid->viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        EditAgainLater();
    return QWidget::eventFilter(watched, event);
}

void PropertyWindow::EditAgainLater()
{
    if (m_editPending)
        return;
    m_editPending = true;
    QTimer::singleShot(0, this, [this] {
        m_editPending = false;
        Edit(m_grid->currentRow());
    });
}

void PropertyWindow::Edit(int row)
{
    if (m_editing >= 0 && m_editing != row)
        m_properties[static_cast<size_t>(m_editing)]->EndEdit();
    m_editing = row >= 0 && static_cast<size_t>(row) < m_properties.size() ? row : -1;
    // The property lays its button over the current cell, so it begins again
    // wherever the cell has moved to.
    if (m_editing >= 0)
        m_properties[static_cast<size_t>(m_editing)]->BeginEdit();
}
