#pragma once

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Sends a message, a memory's value, or the object's and event's names out of
// the panel's communication line.
class CSCComm : public CSCAction {
public:
    enum ContentKindCode { CONTENT_MESSAGE = 0, CONTENT_MEMORY = 1, CONTENT_OBJECT_EVENT = 2 };

    // A new action sends a message, and a message is held as literal text:
    // so a never-edited action stores the same bytes after a load.
    explicit CSCComm(CStepchainData* list) : CSCAction(list, SC_COMM)
    {
        Content.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    }

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    // A message loads as literal text, whatever suffix its node was stored with.
    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    BOOL MergeLimit(DWORD limit) override;
    std::vector<ScriptText> GetScriptTexts() override;

    // The message (a literal-text node) or the memory whose value is sent.
    CVXMemNode Content;
    int32_t ContentKind = CONTENT_MESSAGE;

protected:
    // 1: a message or memory value without content.
    void Check(InvalidCheck& check) override;
};
