#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "UiTest.h"
#include "UiTestHost.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/CSCDialog.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"
#include "ui/UiText.h"

// An action in a list of its own, as the editor holds it.
template <class A>
struct Listed {
    CStepchainData list;
    A* action;
    explicit Listed(int type) : action(static_cast<A*>(list.CreateSC(type))) { list.AddSC(action); }
    A* operator->() const { return action; }
};

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString Caption(IStepchain* action) { return ui::FromCp932(action->GetCaption()); }
inline void Type(OperandEdit* field, const QString& text) { field->Edit()->setText(text); }

// Each widget enabled (1) or not; with `shown`, shown (1) or not.
inline QString Flags(std::initializer_list<QWidget*> widgets, bool shown = false)
{
    QString s;
    for (QWidget* w : widgets)
        s += (shown ? w->isVisibleTo(w->window()) : w->isEnabled()) ? '1' : '0';
    return s;
}

// Types `text` over the field's text and moves on to `next`, as a user leaving it.
inline void TypeInto(QLineEdit* edit, const QString& text, QWidget* next)
{
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    edit->insert(text);
    next->setFocus(Qt::TabFocusReason);
}

struct DialogRun {
    int result = 0;        // IDOK or IDCANCEL
    bool refused = false;  // OK left the dialog open (it was cancelled then)
    // The caption after OK; after a refused OK its message, "kept" after a
    // cancel, each followed by " (changed)" when the action's bytes changed.
    QString outcome;
};

// Opens dialog D on the action as its editing hook does, lets `drive` work
// it, then clicks OK, or cancels when `ok` is false. Message boxes are
// answered Yes and recorded.
template <class D>
DialogRun Run(IStepchain* action, const std::function<void(D&)>& drive, bool ok = true, DWORD limit = 0)
{
    DialogRun run;
    const std::string before = StoredBytes(*action);
    MessageLog log;
    WhenModal([&](QDialog* dialog) {
        auto* d = static_cast<D*>(dialog);
        drive(*d);
        if (ok && d->isVisible()) {
            d->OkButton()->click();
            run.refused = d->isVisible();
        }
    });
    run.result = CSCDialog::Open<D>(action, nullptr, limit);
    const QString refusal = run.refused ? QStringList(log.texts.begin(), log.texts.end()).join('|') : "kept";
    run.outcome = run.result == IDOK ? Caption(action) : refusal + (StoredBytes(*action) == before ? "" : " (changed)");
    return run;
}
