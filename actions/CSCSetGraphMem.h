#pragma once

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Reads or writes one element of a graph memory at a position computed at run time.
class CSCSetGraphMem : public CSCAction {
public:
    enum AccessMode { ACCESS_WRITE = 0, ACCESS_READ = 1 };

    explicit CSCSetGraphMem(CStepchainData* list);

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    std::vector<ScriptText> GetScriptTexts() override;

    CVXMemNode GraphMem;
    // Added to the graph memory's address.
    CVXMemNode Position;
    // The value written, or the memory that receives the value read.
    CVXMemNode Value;
    int32_t Access = ACCESS_WRITE;

protected:
    // 1: the graph memory, the value or the position is missing.
    void Check(InvalidCheck& check) override;
};
