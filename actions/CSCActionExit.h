#pragma once

#include "actions/CSCAction.h"

// Leaves the event's code early by jumping to its exit label.
class CSCActionExit : public CSCAction {
public:
    explicit CSCActionExit(CStepchainData* list) : CSCAction(list, SC_ACTIONEXIT) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    // Nothing to set: confirmed at once.
    int Edit(QWidget*, DWORD) override { return IDOK; }
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    BOOL MergeLimit(DWORD limit) override;
};
