#pragma once

#include <array>
#include <memory>
#include <ostream>
#include <string>

#include "core/Archive.h"
#include "core/Export.h"
#include "core/IStepchain.h"

class IPWObject;
class LabelIndex;
class QWidget;

// Creates an action with default settings owned by `list`; null on failure.
using StepchainCreator = IStepchain* (*)(CStepchainData* list);
using StepchainCreatorTable = std::array<StepchainCreator, SC_TYPE_COUNT>;

// Fills the creator table, indexed by type id. A kind that is not built
// leaves its entry null and is refused like an unknown type id.
void FillStepchainCreators(StepchainCreatorTable& table);

// The largest number of actions that the archive's 16-bit count can hold.
inline constexpr size_t MAX_STEPCHAIN_ACTIONS = 0xFFFF;

// The ordered list of actions of one event; it owns its actions.
class STEPCHAIN_EXPORT CStepchainData {
public:
    CStepchainData();
    virtual ~CStepchainData();
    CStepchainData(const CStepchainData&) = delete;
    CStepchainData& operator=(const CStepchainData&) = delete;

    // Alone, a label check walks the whole list, so checking every row takes
    // time in the square of its length. While a CheckScope of the list is
    // open, the checks look names up in an index built once, at the first
    // check, and a pass over every row takes linear time. Whoever asks every
    // row (IsInvalid, captions, reasons) opens one around the pass.
    //
    // Rule: while a scope is open, neither the rows nor the names of the
    // labels and branches change; the index would answer for the old list.
    // The list's own operations that add, drop or load rows also drop the
    // index, but a change made through GetActions() or to an action's own
    // fields is not seen. Scopes nest; the last one to close drops the index.
    class STEPCHAIN_EXPORT CheckScope {
    public:
        explicit CheckScope(CStepchainData& list);
        ~CheckScope();
        CheckScope(const CheckScope&) = delete;
        CheckScope& operator=(const CheckScope&) = delete;

    private:
        CStepchainData& m_list;
    };

    // Specification document rows (R1 and R2 per action), converted to UTF-8.
    virtual void ExportSpec(std::ostream& out);
    // The same rows as CP932 text.
    virtual std::string ExportSpecStr();
    // The keyword text converted to UTF-8.
    virtual std::string ExportSpecKeyword();
    // Each caption without line feeds, with '"' escaped, followed by ":".
    virtual std::string ExportSpecKeywordRaw();
    // Renames a memory, or the memories of a device ("*" prefix); 1 when a plain name changed.
    virtual int MemSync(std::string oldName, std::string newName);

    void AddSC(IStepchain* action);
    IStepchain* CreateSC(int typeId);
    void RemoveAllProperties();
    void CopyPropertiesFrom(CStepchainData* source);
    int CompareProperties(CStepchainData* other);
    // Mode 2: -1 when another label has the same name. Mode 1: 0 when the
    // branch's target label lies below it, 2 when above, 1 when missing.
    int CheckAction(IStepchain* action, int mode);
    // The rows of the labels named `name`, first to last.
    std::vector<size_t> FindLabelRows(const std::string& name);
    int IsInvalid();
    void MergeLimit();
    const std::string& GetCaption();
    void SetOwnerObj(IPWObject* owner);
    IPWObject* GetOwnerObj() const { return m_owner; }
    int Edit(QWidget* parent, DWORD limit, const std::string& key);
    void Convert_TO_VGA(CStepchainData* source);

    void Serialize(CArchive& ar);
    // Writes the rows first to last, both included.
    void SerializeOut(CArchive& ar, int first, int last);
    // Reads a frame and appends its actions to `destination`.
    void SerializeIn(CArchive& ar, StepchainArray* destination);

    // Mode 0: event code, 1: periodic code, other: the main pass alone.
    std::string ExportStr(int mode);

    DWORD GetLimit() const { return m_limit; }
    void SetLimit(DWORD limit) { m_limit = limit; }
    size_t GetCount() const { return m_actions.size(); }
    IStepchain* GetAt(size_t index) const { return m_actions.at(index); }
    StepchainArray& GetActions() { return m_actions; }

private:
    // The index of the open scope, built when first asked; null without a scope.
    const LabelIndex* ScopedIndex();
    void RowsChanged();

    StepchainArray m_actions;
    StepchainCreatorTable m_creators{};
    IPWObject* m_owner = nullptr;
    DWORD m_limit = 0;
    std::unique_ptr<LabelIndex> m_labelIndex;
    int m_checkScopes = 0;
};

// The names that the label checks compare, read through the action kinds:
// a label's own name, and the target label of a branch. Null for any other kind.
const std::string* GetLabelName(IStepchain* action);
const std::string* GetBranchTarget(IStepchain* action);
