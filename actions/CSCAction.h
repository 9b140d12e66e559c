#pragma once

#include <string>
#include <utility>
#include <vector>

#include "actions/ActionFields.h"
#include "core/IStepchain.h"

// Why a row is invalid, in English and in Japanese (both UTF-8).
struct InvalidReason {
    std::string english;
    std::string japanese;
};

// A text that an action writes into a script line as it stands (CP932 bytes),
// with the name of its field in English and in Japanese (UTF-8).
struct ScriptText {
    std::string english;
    std::string japanese;
    std::string text;
};

// A field as its settings dialog labels it.
struct FieldLabel {
    const char* english;
    const char8_t* japanese;
};

// A UTF-8 literal of the source as a string.
inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// A text of a script line, under the label of its field.
inline ScriptText InScript(const FieldLabel& field, std::string text)
{
    return {field.english, U8(field.japanese), std::move(text)};
}

class InvalidCheck;

// The base of the sixteen kinds of action. A kind describes its stored
// fields once, in its field table (GetFields); copying, comparing and
// collecting operands follow the table, and so does storing for a kind
// whose record is its fields in table order. A kind overrides what it does
// otherwise. Its settings are checked by one routine, Check, from which
// both IsInvalid and GetInvalidReasons follow.
class CSCAction : public IStepchain {
public:
    // Every action that the list's creator table makes is a CSCAction.
    static CSCAction* AsAction(IStepchain* action) { return static_cast<CSCAction*>(action); }

    // Opens the settings dialog that the user interface registered for the kind.
    int Edit(QWidget* parent, DWORD limit) override;
    void Serialize(CArchive& ar) override;
    int GetActionType() override { return m_type; }
    void CopyPropertiesFrom(IStepchain* source) override;
    void PreEdit() override {}
    void GetMemNodes(MemNodeArray& nodes) override;
    BOOL CompareProperties(IStepchain* other) override;
    int IsInvalid() override;
    BOOL MergeLimit(DWORD) override { return 1; }
    void MemSync(std::string, std::string) override {}

    // The kind's stored fields; the same table for every action of a kind.
    virtual const ActionFieldTable& GetFields() const = 0;
    // Why the action is invalid: empty exactly when IsInvalid is 0.
    virtual std::vector<InvalidReason> GetInvalidReasons();
    // Every name, label and other text that the action's script lines hold
    // as they stand, with the current settings.
    virtual std::vector<ScriptText> GetScriptTexts() { return {}; }
    // Whether the script repeats the step while the button is held.
    virtual bool RepeatsAutomatically() const { return false; }

    CStepchainData* GetList() const { return m_list; }

protected:
    CSCAction(CStepchainData* list, int type) : m_list(list), m_type(type) {}

    // Records every failure of the settings with its IsInvalid code; the
    // first failure gives the code. No failure: valid.
    virtual void Check(InvalidCheck&) {}

    CStepchainData* m_list;

private:
    int m_type;
};

// The field table of a type id; null outside 0 to 15.
const ActionFieldTable* FieldTableOf(int typeId);
