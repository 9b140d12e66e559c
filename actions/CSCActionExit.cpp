#include "actions/CSCActionExit.h"

#include "actions/ScriptPass.h"

const ActionFieldTable& CSCActionExit::Fields()
{
    static const ActionFieldTable table{"end", {}};
    return table;
}

std::string CSCActionExit::ExportStr(const std::string& key, IPWObject*)
{
    return IsMainPass(key) ? "\tR_JP _[NAME]_[EVENT]_Exit\n" : std::string();
}

const std::string& CSCActionExit::GetCaption()
{
    static const std::string caption;
    return caption;
}

BOOL CSCActionExit::MergeLimit(DWORD limit) { return (limit & 0x04) == 0; }
