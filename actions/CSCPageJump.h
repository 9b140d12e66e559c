#pragma once

#include <cstdint>

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Changes the page shown on the panel: next, previous, or a given page. On
// models with layers it also picks the layer and a transition effect; whether
// the model has layers is asked of the host at each use.
class CSCPageJump : public IStepchain {
public:
    explicit CSCPageJump(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_PAGEJUMP; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: no action chosen, an unknown action, or no page for the given-page
    // action; 2 (models with layers only): an effect index outside the table.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    // The given page: a page number in decimal digits or a memory name.
    CVXMemNode m_page;
    // Bits 0-7: action (0 next, 1 previous, 2 given page); bits 16-22: effect
    // index; bit 31: layer 2. Without layers only the action. -1: not chosen.
    int32_t m_mode = -1;

private:
    int Invalid(bool layers) const;

    [[maybe_unused]] CStepchainData* m_list;
};
