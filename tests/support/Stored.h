#pragma once

#include <string>
#include <utility>

#include "core/Archive.h"

// The bytes that storing `item` (a list, an action or an operand) writes.
template <typename T>
std::string StoredBytes(T&& item)
{
    CArchive ar;
    std::forward<T>(item).Serialize(ar);
    return ar.GetStored();
}

// The cause of the archive exception `use` throws; -1 when it throws none.
template <typename F>
int ArchiveCause(F&& use)
{
    try {
        use();
    } catch (const CArchiveException& e) {
        return e.GetCause();
    }
    return -1;
}
