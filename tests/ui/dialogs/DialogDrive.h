#pragma once

#include <QPushButton>
#include <QTest>
#include <functional>
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

// An action in a list of its own, as the editor holds it.
template <class A>
struct Listed {
    CStepchainData list;
    A* action;
    explicit Listed(int type) : action(static_cast<A*>(list.CreateSC(type))) { list.AddSC(action); }
};

// Opens the action's settings dialog through its Edit, runs `drive` on the
// dialog of class D, and answers the dialog's result.
template <class D>
int Drive(IStepchain* action, const std::function<void(D&)>& drive, DWORD limit = 0)
{
    WhenModal([&drive](QDialog* dialog) { drive(*static_cast<D*>(dialog)); });
    return action->Edit(nullptr, limit);
}

inline void Type(OperandEdit* field, const char* utf8) { field->Edit()->setText(QString::fromUtf8(utf8)); }

// Clicks each "▼" with the host cancelling the picker: the filter codes the
// host was asked with, in order. A cancelled pick leaves the field as it was.
inline std::vector<uint32_t> PickFilters(UiTestHost& host, const std::vector<OperandEdit*>& fields)
{
    host.pickerAnswer = 0;
    std::vector<uint32_t> filters;
    for (OperandEdit* field : fields) {
        const QString before = field->Edit()->text();
        field->PickButton()->click();
        filters.push_back(field->Edit()->text() == before ? host.pickerFilter : 0xFFFFFFFF);
    }
    return filters;
}

// Picks `choice` with the field's "▼", then closes with OK or cancel. Cancel
// must leave the action's bytes as they were.
template <class D>
int PickAndClose(IStepchain* action, OperandEdit* const D::*field, const char* choice, bool ok)
{
    UiTestHost host;
    host.pickerAnswer = 1;
    host.pickerChoice = choice;
    MessageLog log;
    const std::string before = StoredBytes(*action);
    const int result = Drive<D>(action, [&](D& d) {
        (d.*field)->PickButton()->click();
        ok ? d.OkButton()->click() : d.reject();
    });
    if (!ok && StoredBytes(*action) != before)
        QTest::qFail("cancel after a pick changed the action", __FILE__, __LINE__);
    return result;
}
