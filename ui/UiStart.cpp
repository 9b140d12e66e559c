#include "ui/UiStart.h"

#include "core/EditHook.h"
#include "core/IStepchain.h"
#include "ui/CSCLabelDlg.h"
#include "ui/CStepchainDlg.h"
#include "ui/dialogs/CSCActionLinkDlg.h"
#include "ui/dialogs/CSCBranchDlg.h"
#include "ui/dialogs/CSCCalcDlg.h"
#include "ui/dialogs/CSCCalcTimeDlg.h"
#include "ui/dialogs/CSCCallDlg.h"
#include "ui/dialogs/CSCCommDlg.h"
#include "ui/dialogs/CSCKeypadDlg.h"
#include "ui/dialogs/CSCOpeDlg.h"
#include "ui/dialogs/CSCPageJumpDlg.h"
#include "ui/dialogs/CSCPassPageDlg.h"
#include "ui/dialogs/CSCSetGraphMemDlg.h"
#include "ui/dialogs/CSCSetValueDlg.h"
#include "ui/dialogs/CSCStringDlg.h"

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
    {SC_SETVALUE, &CSCDialog::Open<CSCSetValueDlg>},
    {SC_CALC, &CSCDialog::Open<CSCCalcDlg>},
    {SC_CALCTIME, &CSCDialog::Open<CSCCalcTimeDlg>},
    {SC_OPE, &CSCDialog::Open<CSCOpeDlg>},
    {SC_BRANCH, &CSCDialog::Open<CSCBranchDlg>},
    {SC_SETGRAPHMEM, &CSCDialog::Open<CSCSetGraphMemDlg>},
    {SC_KEYPAD, &CSCDialog::Open<CSCKeypadDlg>},
    {SC_STRING, &CSCDialog::Open<CSCStringDlg>},
    {SC_COMM, &CSCDialog::Open<CSCCommDlg>},
};

}

void StartStepchainUi()
{
    SetListEditHook(&CStepchainDlg::Edit);
    for (const ActionDialog& dialog : kActionDialogs)
        SetActionEditHook(dialog.typeId, dialog.open);
}
