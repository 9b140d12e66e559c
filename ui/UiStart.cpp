#include "ui/UiStart.h"

#include "core/EditHook.h"
#include "core/IStepchain.h"
#include "ui/CSCLabelDlg.h"
#include "ui/CStepchainDlg.h"

namespace {

struct ActionDialog {
    int typeId;
    ActionEditHook open;
};

// One line per settings dialog.
const ActionDialog kActionDialogs[] = {
    {SC_LABEL, &CSCDialog::Open<CSCLabelDlg>},
};

}

void StartStepchainUi()
{
    SetListEditHook(&CStepchainDlg::Edit);
    for (const ActionDialog& dialog : kActionDialogs)
        SetActionEditHook(dialog.typeId, dialog.open);
}
