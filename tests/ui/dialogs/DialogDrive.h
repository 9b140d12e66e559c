#pragma once

#include <QPushButton>
#include <functional>
#include <initializer_list>
#include <string>

#include "UiTest.h"
#include "UiTestHost.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "ui/CSCDialog.h"
#include "ui/CVXMemEditSC.h"
#include "ui/OperandEdit.h"

// An action in a list of its own, as the editor holds it.
template <class A>
struct Listed {
    CStepchainData list;
    A* action;
    explicit Listed(int type) : action(static_cast<A*>(list.CreateSC(type))) { list.AddSC(action); }
};

// Opens the action's settings dialog through its Edit and runs `drive` on
// the dialog of class D (a dialog left open is cancelled); the result.
template <class D>
int Drive(IStepchain* action, const std::function<void(D&)>& drive, DWORD limit = 0)
{
    WhenModal([&drive](QDialog* dialog) { drive(*static_cast<D*>(dialog)); });
    return action->Edit(nullptr, limit);
}

inline void Type(OperandEdit* field, const char* utf8) { field->Edit()->setText(QString::fromUtf8(utf8)); }
inline QString Caption(IStepchain* action) { return QString::fromStdString(cp932::ToUTF8(action->GetCaption())); }

// The dialog's title and each operand field as "filter/m_refuseNumber/m_kindMask",
// the filter being the code its "▼" asks the host's picker with (the host
// cancels; the field must stay as it was). Then the first field picks `choice`
// and cancels (the action's bytes must stay) and picks it again with OK.
template <class D>
QString Fields(IStepchain* action, std::initializer_list<OperandEdit* const D::*> fields, const char* choice)
{
    UiTestHost host;
    QString shown;
    Drive<D>(action, [&](D& d) {
        shown = d.windowTitle();
        for (OperandEdit* const D::*member : fields) {
            OperandEdit* field = d.*member;
            const QString before = field->Edit()->text();
            field->PickButton()->click();
            shown += QString(" %1/%2/%3")
                         .arg(field->Edit()->text() == before ? host.pickerFilter : 0xFFFFFFFF)
                         .arg(field->Edit()->m_refuseNumber)
                         .arg(field->Edit()->m_kindMask);
        }
    });
    host.pickerAnswer = 1;
    host.pickerChoice = choice;
    MessageLog log;
    const std::string before = StoredBytes(*action);
    for (bool ok : {false, true}) {
        const int result = Drive<D>(action, [&](D& d) {
            (d.**fields.begin())->PickButton()->click();
            ok ? d.OkButton()->click() : d.reject();
        });
        if (result != (ok ? IDOK : IDCANCEL) || (!ok && StoredBytes(*action) != before))
            shown += ok ? " (OK failed)" : " (cancel changed the action)";
    }
    return shown;
}
