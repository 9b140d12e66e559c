#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <vector>

#include "UiTest.h"
#include "UiTestHost.h"
#include "core/CStepchainData.h"
#include "core/IStepchain.h"

// An action of one kind in a list of its own, as the editor holds it.
template <class A>
struct Listed {
    CStepchainData list;
    A* action;
    explicit Listed(int type) : action(static_cast<A*>(list.CreateSC(type))) { list.AddSC(action); }
};

// What one run of a settings dialog came to.
struct DialogRun {
    int result = 0;        // IDOK or IDCANCEL
    bool refused = false;  // OK left the dialog open (it was cancelled then)
    std::vector<QString> messages;
};

// Opens the action's dialog as the editor does (through Edit), lets `drive`
// work it, then clicks OK, or cancels when `ok` is false. Message boxes take
// `answers` in turn (Yes when none are left).
template <class D>
DialogRun RunDialog(IStepchain* action, const std::function<void(D&)>& drive, bool ok = true,
                    std::vector<bool> answers = {})
{
    DialogRun run;
    MessageLog log(std::move(answers));
    WhenModal([&](QDialog* dialog) {
        auto* d = static_cast<D*>(dialog);
        drive(*d);
        if (!ok)
            return;
        d->OkButton()->click();
        run.refused = d->isVisible();
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
