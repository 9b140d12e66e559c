#pragma once

#include <cstdint>

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Changes the page shown on the panel: next, previous, or a given page. On
// models with layers it also picks the layer and a transition effect; whether
// the model has layers is asked of the host at each use.
class CSCPageJump : public CSCAction {
public:
    explicit CSCPageJump(CStepchainData* list) : CSCAction(list, SC_PAGEJUMP) {}

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    BOOL MergeLimit(DWORD limit) override;
    std::vector<ScriptText> GetScriptTexts() override;

    // The given page: a page number in decimal digits or a memory name.
    CVXMemNode m_page;
    // Bits 0-7: action (0 next, 1 previous, 2 given page); bits 16-22: effect
    // index; bit 31: layer 2. Without layers only the action. -1: not chosen.
    int32_t m_mode = -1;

protected:
    // 1: no action chosen, an unknown action, or no page for the given-page
    // action; 2 (models with layers only): an effect index outside the table.
    void Check(InvalidCheck& check) override;

private:
    // The same for the model the host describes.
    void Check(InvalidCheck& check, bool layers) const;
};
