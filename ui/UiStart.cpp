#include "ui/UiStart.h"

#include "core/EditHook.h"
#include "core/IStepchain.h"
#include "ui/CSCLabelDlg.h"
#include "ui/dialogs/CSCCommDlg.h"
#include "ui/dialogs/CSCKeypadDlg.h"
#include "ui/dialogs/CSCStringDlg.h"

namespace {

struct ActionDialog {
    int typeId;
    ActionEditHook open;
};

// One line per settings dialog.
const ActionDialog kActionDialogs[] = {
    {SC_LABEL, &CSCDialog::Open<CSCLabelDlg>},
    {SC_KEYPAD, &CSCDialog::Open<CSCKeypadDlg>},
    {SC_STRING, &CSCDialog::Open<CSCStringDlg>},
    {SC_COMM, &CSCDialog::Open<CSCCommDlg>},
};

}

void StartStepchainUi()
{
    for (const ActionDialog& dialog : kActionDialogs)
        SetActionEditHook(dialog.typeId, dialog.open);
}
