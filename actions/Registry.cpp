// The creator table and the label names the list checks: the one place
// where the core meets the concrete kinds of action.
#include <new>

#include "actions/CSCActionExit.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCLabel.h"
#include "actions/CSCRefsh.h"
#include "actions/CSCSetValue.h"
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
    table[SC_SETVALUE] = &Create<CSCSetValue>;
    table[SC_CALC] = &Create<CSCCalc>;
    table[SC_CALCTIME] = &Create<CSCCalcTime>;
    table[SC_REFSH] = &Create<CSCRefsh>;
    table[SC_LABEL] = &Create<CSCLabel>;
    table[SC_ACTIONEXIT] = &Create<CSCActionExit>;
}

const std::string* GetLabelName(IStepchain* action)
{
    return action->GetActionType() == SC_LABEL ? &static_cast<CSCLabel*>(action)->m_name : nullptr;
}

const std::string* GetBranchTarget(IStepchain*) { return nullptr; }
