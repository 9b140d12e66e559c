#pragma once

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Reads or writes one element of a graph memory at a position computed at run time.
class CSCSetGraphMem : public IStepchain {
public:
    enum AccessMode { ACCESS_WRITE = 0, ACCESS_READ = 1 };

    explicit CSCSetGraphMem(CStepchainData* list);

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_SETGRAPHMEM; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: the graph memory, the value or the position is missing.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    CVXMemNode GraphMem;
    // Added to the graph memory's address.
    CVXMemNode Position;
    // The value written, or the memory that receives the value read.
    CVXMemNode Value;
    int32_t Access = ACCESS_WRITE;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
