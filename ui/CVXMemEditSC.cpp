#include "ui/CVXMemEditSC.h"

#include <QFocusEvent>
#include <QGuiApplication>

#include "core/CVXMemNode.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "host/HostApi.h"
#include "host/HostWindow.h"
#include "ui/CSCDialog.h"
#include "ui/Message.h"
#include "ui/UiText.h"

namespace {

// Keeps two checks apart: the message box of one moves the focus, and the
// focus change would start another while the first still waits for the user.
bool g_lookupGuard = false;

// The window losing activation (a message box, another program) is not the
// user leaving or entering the field.
bool IsWindowSwitch(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}

CVXMemEditSC::CVXMemEditSC(QWidget* parent) : QLineEdit(parent) {}

bool CVXMemEditSC::IsNumber(const QString& text)
{
    qsizetype i = text.startsWith(u'#') ? 1 : 0;
    if (i < text.size() && text.at(i) == u'-')
        ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'.' && !point)
            point = true;
        else if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

int CVXMemEditSC::RegisterType(uint32_t kindMask)
{
    if (kindMask & KIND_MEMORY_BIT)
        return CVXMemNode::KIND_MEMORY;
    if (kindMask & KIND_TEXT_BIT)
        return CVXMemNode::KIND_TEXT;
    if (kindMask & KIND_GRAPH_BIT)
        return CVXMemNode::KIND_GRAPH;
    return CVXMemNode::KIND_MEMORY;
}

bool CVXMemEditSC::TakesType(uint32_t kindMask, int type)
{
    return ((kindMask & KIND_MEMORY_BIT) && type == CVXMemNode::KIND_MEMORY) ||
           ((kindMask & KIND_TEXT_BIT) && type == CVXMemNode::KIND_TEXT) ||
           ((kindMask & KIND_GRAPH_BIT) && type == CVXMemNode::KIND_GRAPH);
}

void CVXMemEditSC::focusInEvent(QFocusEvent* event)
{
    if (!m_noRemember && !m_leftUnchecked)
        m_lastText = text();
    m_leftUnchecked = false;
    QLineEdit::focusInEvent(event);
}

void CVXMemEditSC::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (IsWindowSwitch(event->reason()))
        m_leftUnchecked = true;
    else
        CheckMemoryName();
}

void CVXMemEditSC::TakeFocusBack()
{
    m_noRemember = 1;
    setFocus(Qt::OtherFocusReason);
    m_noRemember = 0;
}

void CVXMemEditSC::Refuse(const QString& message)
{
    ui::ShowMessage(this, message);
    setText(m_lastText);
}

bool CVXMemEditSC::CheckOnOk()
{
    const bool unchanged = text() == m_acceptedText && m_refuseNumber == m_acceptedRefuseNumber &&
                           m_kindMask == m_acceptedKindMask;
    return unchanged || CheckMemoryName();
}

bool CVXMemEditSC::CheckMemoryName()
{
    // Without the host nothing can be looked up; the text stands as typed.
    if (GetMainWindow() == nullptr || m_noCheck)
        return true;
    const QString typed = text();
    if (IsNumber(typed) && !typed.isEmpty()) {
        if (!m_refuseNumber) {
            Accept();
            return true;
        }
        Refuse(ui::Text(Txt::MemNumberRefused));
        return false;
    }
    if (QGuiApplication::keyboardModifiers() & Qt::ControlModifier)
        return true;
    if (g_lookupGuard || typed.isEmpty())
        return true;
    std::string name;
    if (!ui::ToCp932(typed, &name)) {
        Refuse(ui::Text(Txt::TextNotCp932).replace(QLatin1String("%s"), ui::NotCp932(typed)));
        return false;
    }

    struct Guard {
        Guard() { g_lookupGuard = true; }
        ~Guard() { g_lookupGuard = false; }
    } guard;
    bool found = false;
    const int type = host::LookupMemory(name, &found);
    if (!found) {
        const QString question = ui::FromCp932(Format(T(Txt::MemNotRegistered), {name}));
        if (ui::ShowMessage(this, question, ui::MessageKind::Question)) {
            host::RegisterMemory(name, RegisterType(m_kindMask));
            Accept();
            return true;
        }
        setText(m_lastText);
        return false;
    }
    if (!TakesType(m_kindMask, type)) {
        Refuse(ui::Text(Txt::MemTypeRefused));
        return false;
    }
    CVXMemNode chosen;
    chosen.m_kind = type;
    chosen.m_name = cp932::RemoveAll(cp932::RemoveAll(name, CVXMemNode::KindSuffix(CVXMemNode::KIND_GRAPH)),
                                     CVXMemNode::KindSuffix(CVXMemNode::KIND_TEXT));
    Accept();
    if (auto* dialog = qobject_cast<CSCDialog*>(window()))
        dialog->NotifyMemoryChosen(this, chosen);
    return true;
}
