#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

#include "UiTest.h"
#include "UiTestHost.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"

// An action of one kind in a list of its own, as the editor holds it.
template <class A>
struct Listed {
    CStepchainData list;
    A* action;
    explicit Listed(int type) : action(static_cast<A*>(list.CreateSC(type))) { list.AddSC(action); }
};

struct DialogRun {
    int result = 0;        // IDOK or IDCANCEL
    bool refused = false;  // OK left the dialog open (it was cancelled then)
    std::vector<QString> messages;
};

// Opens the action's dialog as the editor does (through Edit), lets `drive`
// work it, then clicks OK, or cancels when `ok` is false. Message boxes are
// answered Yes and recorded.
template <class D>
DialogRun RunDialog(IStepchain* action, const std::function<void(D&)>& drive, bool ok = true)
{
    DialogRun run;
    MessageLog log;
    WhenModal([&](QDialog* dialog) {
        auto* d = static_cast<D*>(dialog);
        drive(*d);
        if (ok) {
            d->OkButton()->click();
            run.refused = d->isVisible();
        }
    });
    run.result = action->Edit(nullptr, 0);
    run.messages = log.texts;
    return run;
}

// Types `text` over the field's text and moves on to `next`, as a user leaving it.
inline void TypeInto(QLineEdit* edit, const QString& text, QWidget* next)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    edit->insert(text);
    next->setFocus(Qt::TabFocusReason);
}

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }
