#pragma once

#include "actions/CSCAction.h"
#include "core/CVXMemNode.h"

// Edits a text memory: deletes its last character, appends or sets a literal
// text or another text memory, or writes an integer memory into it as a number.
class CSCString : public CSCAction {
public:
    enum OperationCode {
        OP_NONE = -1,
        OP_DELETE_LAST = 0,
        OP_APPEND_TEXT = 1,
        OP_SET_TEXT = 2,
        OP_APPEND_MEMORY = 3,
        OP_COPY_MEMORY = 4,
        OP_FORMAT_NUMBER = 5,
        OP_DELETE_LAST_ESC = 6,
    };

    explicit CSCString(CStepchainData* list);

    static const ActionFieldTable& Fields();
    const ActionFieldTable& GetFields() const override { return Fields(); }

    void Serialize(CArchive& ar) override;
    std::string ExportStr(const std::string& key, IPWObject* owner) override;
    const std::string& GetCaption() override;
    BOOL MergeLimit(DWORD limit) override;
    std::vector<ScriptText> GetScriptTexts() override;

    // The number format's digit counts, kept together in Source.m_aux.
    static int32_t PackDigits(int32_t integerDigits, int32_t fractionDigits);
    static int32_t IntegerDigits(int32_t packed) { return packed / 16; }
    static int32_t FractionDigits(int32_t packed) { return packed % 16; }

    // The text memory operated on.
    CVXMemNode Target;
    // The literal text appended or set.
    std::string Text;
    int32_t Operation = OP_NONE;
    // The text memory appended or copied, or the integer memory formatted.
    CVXMemNode Source;

protected:
    // 1: no target, no operation, no source where one is needed, or digit
    // counts of the number format that are zero or more than 11 in all.
    void Check(InvalidCheck& check) override;
};
