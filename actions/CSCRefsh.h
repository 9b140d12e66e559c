#pragma once

#include "actions/CSCAction.h"

// Makes the panel redraw its screen.
class CSCRefsh : public CSCAction {
public:
    explicit CSCRefsh(CStepchainData* list) : CSCAction(list, SC_REFSH) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    // Nothing to set: confirmed at once.
    int Edit(QWidget*, DWORD) override { return IDOK; }
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    BOOL MergeLimit(DWORD limit) override;
};
