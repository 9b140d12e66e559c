#pragma once

#include "core/IStepchain.h"

// Calls a subroutine of the panel program by name.
class CSCCall : public IStepchain {
public:
    explicit CSCCall(CStepchainData* list) : m_list(list) {}

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_CALL; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: no routine given.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    // The entry as chosen or typed: the routine's name, then perhaps ":" and
    // a comment. Only the name is called.
    std::string m_routine;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
