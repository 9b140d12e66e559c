#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

enum class MessageKind {
    Warning,   // one OK button
    Question,  // Yes and No
};

// A modal message box titled like the window of `parent`. True for OK or Yes.
bool ShowMessage(QWidget* parent, const QString& text, MessageKind kind = MessageKind::Warning);

// Tests answer message boxes without showing them: while a responder is set,
// ShowMessage hands it the text and kind and returns its answer.
using MessageResponder = std::function<bool(const QString& text, MessageKind kind)>;
void SetMessageResponder(MessageResponder responder);

}
