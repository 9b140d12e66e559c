#pragma once

#include "core/CVXMemNode.h"
#include "core/IStepchain.h"

// Sends a message, a memory's value, or the object's and event's names out of
// the panel's communication line.
class CSCComm : public IStepchain {
public:
    enum ContentKindCode { CONTENT_MESSAGE = 0, CONTENT_MEMORY = 1, CONTENT_OBJECT_EVENT = 2 };

    // A new action sends a message, and a message is held as literal text:
    // so a never-edited action stores the same bytes after a load.
    explicit CSCComm(CStepchainData* list) : m_list(list) { Content.m_kind = CVXMemNode::KIND_LITERAL_TEXT; }

    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    int GetActionType() override { return SC_COMM; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override;
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    // 1: a message or memory value without content.
    int IsInvalid() override;
    BOOL MergeLimit(DWORD limit) override;
    void MemSync(std::string oldName, std::string newName) override;

    // The message (a literal-text node) or the memory whose value is sent.
    CVXMemNode Content;
    int32_t ContentKind = CONTENT_MESSAGE;

private:
    [[maybe_unused]] CStepchainData* m_list;
};
