#include "ui/Message.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace ui {

namespace {
MessageResponder& Responder()
{
    static MessageResponder responder;
    return responder;
}
}

void SetMessageResponder(MessageResponder responder) { Responder() = std::move(responder); }

bool ShowMessage(QWidget* parent, const QString& text, MessageKind kind)
{
    if (Responder())
        return Responder()(text, kind);
    const QString title = parent != nullptr ? parent->window()->windowTitle() : QString();
    QPointer<QMessageBox> box = new QMessageBox(parent);
    box->setWindowTitle(title);
    box->setText(text);
    if (kind == MessageKind::Question) {
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box->exec();
    // The parent may have gone while the box was open; it took the box with it.
    if (box.isNull())
        return false;
    delete box.data();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes;
}

}
