#pragma once

#include <QLineEdit>
#include <cstdint>

// The field in which the user types a memory name or a constant. Leaving it
// checks the text with the host: a number where a memory must be written to,
// a name the host does not know (the user may register it), a memory of a
// kind the field does not take. A refused text is replaced by the text the
// field had when it got the focus. The dialog's OK runs the same check on
// every such field again (CheckOnOk), since Enter reaches OK without the
// field losing the focus.
class CVXMemEditSC : public QLineEdit {
    Q_OBJECT
public:
    explicit CVXMemEditSC(QWidget* parent = nullptr);

    // The check that leaving the field runs. False when it refused the text
    // (the remembered text is back in the field); true when the text stands,
    // or when nothing was checked (no host, Ctrl held, a check already running).
    bool CheckMemoryName();
    // The check of OK: the same, for a text other than the one the field
    // was opened with or last accepted. A name the user did not touch stands,
    // so a dialog opened on a name the host no longer knows can still be
    // confirmed without registering it; but not when the field has since
    // changed what it takes (a value that became a destination).
    bool CheckOnOk();
    // The text stands as it is now (the dialog has just put it there).
    void Accept()
    {
        m_acceptedText = text();
        m_acceptedRefuseNumber = m_refuseNumber;
        m_acceptedKindMask = m_kindMask;
    }

    // Gives the focus back to the field without remembering its text anew.
    void TakeFocusBack();

    // A number in the field's sense: empty, or an optional "#", at most one
    // leading "-", at most one "." and otherwise the digits 0-9.
    static bool IsNumber(const QString& text);

    // Host memory types (0 ordinary, 1 graph, 2 text) and the bits of m_kindMask.
    enum KindBit : uint32_t { KIND_MEMORY_BIT = 1, KIND_TEXT_BIT = 2, KIND_GRAPH_BIT = 4 };
    // The type a name is registered with when the user adds it: the first kind the field takes.
    static int RegisterType(uint32_t kindMask);
    static bool TakesType(uint32_t kindMask, int type);

    int32_t m_refuseNumber = 0;  // 1: the field is a destination, a number is refused
    uint32_t m_kindMask = KIND_MEMORY_BIT;
    QString m_lastText;          // the text when the field last got the focus
    int32_t m_noCheck = 0;       // 1: leaving the field checks nothing
    int32_t m_noRemember = 0;    // 1 while the field takes the focus back by itself

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Refuse(const QString& message);

    // The field lost the focus to another window and its text is unchecked;
    // getting the focus back must not take that text for the accepted one.
    bool m_leftUnchecked = false;
    QString m_acceptedText;
    int32_t m_acceptedRefuseNumber = 0;
    uint32_t m_acceptedKindMask = KIND_MEMORY_BIT;
};
