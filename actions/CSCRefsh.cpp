#include "actions/CSCRefsh.h"

#include "actions/ScriptPass.h"

int CSCRefsh::Edit(QWidget*, DWORD) { return IDOK; }

void CSCRefsh::Serialize(CArchive&) {}

std::string CSCRefsh::ExportStr(const std::string& key, IPWObject*)
{
    return IsMainPass(key) ? "\tREFSH\n" : std::string();
}

const std::string& CSCRefsh::GetCaption()
{
    static const std::string caption;
    return caption;
}

void CSCRefsh::CopyPropertiesFrom(IStepchain*) {}

void CSCRefsh::PreEdit() {}

void CSCRefsh::GetMemNodes(MemNodeArray&) {}

BOOL CSCRefsh::CompareProperties(IStepchain* other) { return other->GetActionType() == SC_REFSH; }

int CSCRefsh::IsInvalid() { return 0; }

BOOL CSCRefsh::MergeLimit(DWORD limit) { return (limit & 0x04) == 0; }

void CSCRefsh::MemSync(std::string, std::string) {}
