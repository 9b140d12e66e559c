#include "actions/CSCRefsh.h"

#include "actions/ScriptPass.h"

const ActionFieldTable& CSCRefsh::Fields()
{
    static const ActionFieldTable table{"redraw", {}};
    return table;
}

std::string CSCRefsh::ExportStr(const std::string& key, IPWObject*)
{
    return IsMainPass(key) ? "\tREFSH\n" : std::string();
}

const std::string& CSCRefsh::GetCaption()
{
    static const std::string caption;
    return caption;
}

BOOL CSCRefsh::MergeLimit(DWORD limit) { return (limit & 0x04) == 0; }
