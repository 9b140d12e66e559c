#include "ui/UiStart.h"

#include "core/EditHook.h"
#include "core/IStepchain.h"
#include "ui/CSCLabelDlg.h"
#include "ui/CStepchainDlg.h"
#include "ui/dialogs/CSCActionLinkDlg.h"
#include "ui/dialogs/CSCCallDlg.h"
#include "ui/dialogs/CSCPageJumpDlg.h"
#include "ui/dialogs/CSCPassPageDlg.h"

namespace {

struct ActionDialog {
    int typeId;
    ActionEditHook open;
};

// One line per settings dialog.
const ActionDialog kActionDialogs[] = {
    {SC_LABEL, &CSCDialog::Open<CSCLabelDlg>},
    {SC_PAGEJUMP, &CSCDialog::Open<CSCPageJumpDlg>},
    {SC_PASSPAGE, &CSCDialog::Open<CSCPassPageDlg>},
    {SC_CALL, &CSCDialog::Open<CSCCallDlg>},
    {SC_ACTIONLINK, &CSCDialog::Open<CSCActionLinkDlg>},
};

}

void StartStepchainUi()
{
    SetListEditHook(&CStepchainDlg::Edit);
    for (const ActionDialog& dialog : kActionDialogs)
        SetActionEditHook(dialog.typeId, dialog.open);
}
