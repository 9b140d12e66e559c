// The creator table, the field tables by type id, and the label names the
// list checks: the one place where the core meets the concrete kinds of action.
#include <array>
#include <new>

#include "actions/CSCActionExit.h"
#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCLabel.h"
#include "actions/CSCOpe.h"
#include "actions/CSCPageJump.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCRefsh.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCSetValue.h"
#include "actions/CSCString.h"
#include "core/CStepchainData.h"

namespace {

template <typename T>
IStepchain* Create(CStepchainData* list)
{
    return new (std::nothrow) T(list);
}

}

void FillStepchainCreators(StepchainCreatorTable& table)
{
    table.fill(nullptr);
    table[SC_PAGEJUMP] = &Create<CSCPageJump>;
    table[SC_SETVALUE] = &Create<CSCSetValue>;
    table[SC_CALC] = &Create<CSCCalc>;
    table[SC_CALCTIME] = &Create<CSCCalcTime>;
    table[SC_COMM] = &Create<CSCComm>;
    table[SC_PASSPAGE] = &Create<CSCPassPage>;
    table[SC_KEYPAD] = &Create<CSCKeypad>;
    table[SC_OPE] = &Create<CSCOpe>;
    table[SC_CALL] = &Create<CSCCall>;
    table[SC_ACTIONLINK] = &Create<CSCActionLink>;
    table[SC_STRING] = &Create<CSCString>;
    table[SC_REFSH] = &Create<CSCRefsh>;
    table[SC_SETGRAPHMEM] = &Create<CSCSetGraphMem>;
    table[SC_LABEL] = &Create<CSCLabel>;
    table[SC_BRANCH] = &Create<CSCBranch>;
    table[SC_ACTIONEXIT] = &Create<CSCActionExit>;
}

const ActionFieldTable* FieldTableOf(int typeId)
{
    using Fields = const ActionFieldTable& (*)();
    static constexpr std::array<Fields, SC_TYPE_COUNT> kTables = {
        &CSCPageJump::Fields, &CSCSetValue::Fields, &CSCCalc::Fields,     &CSCCalcTime::Fields,
        &CSCComm::Fields,     &CSCPassPage::Fields, &CSCKeypad::Fields,   &CSCOpe::Fields,
        &CSCCall::Fields,     &CSCActionLink::Fields, &CSCString::Fields, &CSCRefsh::Fields,
        &CSCSetGraphMem::Fields, &CSCLabel::Fields, &CSCBranch::Fields,   &CSCActionExit::Fields};
    if (typeId < 0 || typeId >= SC_TYPE_COUNT)
        return nullptr;
    return &kTables[static_cast<size_t>(typeId)]();
}

const std::string* GetLabelName(IStepchain* action)
{
    return action->GetActionType() == SC_LABEL ? &static_cast<CSCLabel*>(action)->m_name : nullptr;
}

const std::string* GetBranchTarget(IStepchain* action)
{
    return action->GetActionType() == SC_BRANCH ? &static_cast<CSCBranch*>(action)->Label : nullptr;
}
