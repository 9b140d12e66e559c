#include "actions/CSCActionExit.h"

#include "actions/ScriptPass.h"

int CSCActionExit::Edit(QWidget*, DWORD) { return IDOK; }

void CSCActionExit::Serialize(CArchive&) {}

std::string CSCActionExit::ExportStr(const std::string& key, IPWObject*)
{
    return IsMainPass(key) ? "\tR_JP _[NAME]_[EVENT]_Exit\n" : std::string();
}

const std::string& CSCActionExit::GetCaption()
{
    static const std::string caption;
    return caption;
}

void CSCActionExit::CopyPropertiesFrom(IStepchain*) {}

void CSCActionExit::PreEdit() {}

void CSCActionExit::GetMemNodes(MemNodeArray&) {}

BOOL CSCActionExit::CompareProperties(IStepchain* other) { return other->GetActionType() == SC_ACTIONEXIT; }

int CSCActionExit::IsInvalid() { return 0; }

BOOL CSCActionExit::MergeLimit(DWORD limit) { return (limit & 0x04) == 0; }

void CSCActionExit::MemSync(std::string, std::string) {}
