#pragma once

#include <string>
#include <vector>

#include "core/CStepchainData.h"

// One change that a rename made in a row, in UTF-8: "BEFORE → AFTER".
struct RenamedRow {
    size_t row; // from 0
    std::string kind;
    std::string change;
};

// Renames a memory, or a device with "*NAME", throughout the list (the
// list's MemSync; names are CP932) and tells what changed: each operand
// whose name changed, quoted; otherwise the caption when it changed;
// otherwise that settings not shown in the caption changed.
std::vector<RenamedRow> RenameAndReport(CStepchainData& list, const std::string& oldName, const std::string& newName);
