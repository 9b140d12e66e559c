#pragma once

#include <string>
#include <vector>

#include "core/Archive.h"

class CStepchainData;
class CVXMemNode;
class IPWObject;
class QWidget;

// The dialog result of a confirmed edit.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// The type ids of the sixteen kinds of action.
enum StepchainType {
    SC_PAGEJUMP = 0,
    SC_SETVALUE = 1,
    SC_CALC = 2,
    SC_CALCTIME = 3,
    SC_COMM = 4,
    SC_PASSPAGE = 5,
    SC_KEYPAD = 6,
    SC_OPE = 7,
    SC_CALL = 8,
    SC_ACTIONLINK = 9,
    SC_STRING = 10,
    SC_REFSH = 11,
    SC_SETGRAPHMEM = 12,
    SC_LABEL = 13,
    SC_BRANCH = 14,
    SC_ACTIONEXIT = 15,
    SC_TYPE_COUNT = 16
};

// The pass keys of script generation; any other key is the main pass.
inline constexpr const char* PASS_INITIAL = "INITIAL";
inline constexpr const char* PASS_INTERVAL = "INTERVAL";

// One action of a list. Every action keeps a pointer to the list that owns it.
class IStepchain {
public:
    virtual ~IStepchain() = default;

    // Opens the settings dialog on this object; IDOK when confirmed.
    virtual int Edit(QWidget* parent, DWORD limit) = 0;
    // Stores or loads the action's own fields (the type byte is the list's).
    virtual void Serialize(CArchive& ar) = 0;
    // The script text of one pass: key "INITIAL", "INTERVAL", or a row key.
    virtual std::string ExportStr(const std::string& key, IPWObject* owner) = 0;
    // The caption, held in one buffer per class until the next call for that class.
    virtual const std::string& GetCaption() = 0;
    virtual int GetActionType() = 0;
    // The source is of the same class (the caller makes sure of it).
    virtual void CopyPropertiesFrom(IStepchain* source) = 0;
    virtual void PreEdit() = 0;
    // Appends the addresses of the action's operands in field order.
    virtual void GetMemNodes(std::vector<CVXMemNode*>& nodes) = 0;
    virtual BOOL CompareProperties(IStepchain* other) = 0;
    // 0 when the settings are complete and consistent, else the class's code.
    virtual int IsInvalid() = 0;
    // 0 when the limit word forbids this kind; may clear forbidden settings.
    virtual BOOL MergeLimit(DWORD limit) = 0;
    // Rename hook for names not held in operands.
    virtual void MemSync(std::string oldName, std::string newName) = 0;
};

using StepchainArray = std::vector<IStepchain*>;
using MemNodeArray = std::vector<CVXMemNode*>;
