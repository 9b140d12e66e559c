#include "plugin/CPropStepchainEdit.h"

#include <QCoreApplication>
#include <QPointer>

#include "core/Texts.h"
#include "host/PropertyWindow.h"
#include "plugin/CPWPropStepchain.h"
#include "ui/UiText.h"

namespace {
QPointer<QWidget> g_frame;
QPointer<CPropStepchainEdit> g_button;
}

CPropStepchainEdit::CPropStepchainEdit(QWidget* frame) : QPushButton(ui::Text(Txt::SetButton), frame)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CPropStepchainEdit::OnClicked);
}

CPropStepchainEdit* CPropStepchainEdit::Place(IPropertyWindow* window, IPropertyGrid* grid, int row, int column)
{
    QWidget* parent = window->GetWindow();
    if (g_frame.isNull() || g_button.isNull() || g_frame->parentWidget() != parent) {
        Destroy();
        g_frame = new QWidget(parent);
        g_button = new CPropStepchainEdit(g_frame);
    }
    const CellRect cell = grid->GetCellRect(row, column);
    const QPoint topRight(cell.x + cell.width, cell.y);
    const QPoint at = parent->mapFromGlobal(grid->GetWindow()->mapToGlobal(topRight)) - QPoint(WIDTH, 0);
    g_frame->setGeometry(at.x(), at.y(), WIDTH, cell.height);
    g_button->setGeometry(0, 0, WIDTH, cell.height);
    g_button->m_property = nullptr;
    g_frame->show();
    g_frame->raise();
    return g_button;
}

void CPropStepchainEdit::HideFrame(CPWPropStepchain* property)
{
    if (!g_frame.isNull())
        g_frame->hide();
    Forget(property);
}

void CPropStepchainEdit::Forget(CPWPropStepchain* property)
{
    if (!g_button.isNull() && g_button->m_property == property)
        g_button->m_property = nullptr;
}

void CPropStepchainEdit::Destroy()
{
    // Without an application the window system is gone, and the host's
    // window took the frame with it.
    if (!g_frame.isNull() && QCoreApplication::instance() != nullptr)
        delete g_frame.data();
    g_frame = nullptr;
    g_button = nullptr;
}

void CPropStepchainEdit::Serve(CPWPropStepchain* property, int row)
{
    m_property = property;
    m_row = row;
}

void CPropStepchainEdit::OnClicked()
{
    // The button may go while the editor runs; the click must not touch it afterwards.
    if (m_property != nullptr)
        m_property->EditList(this, m_row);
}
