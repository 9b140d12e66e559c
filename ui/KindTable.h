#pragma once

#include <vector>

#include "core/Archive.h"

// The kinds the editor's kind list offers, in the list's order (not sorted),
// under the limit word given to the editor and the host's layer support.
std::vector<int> OfferedKinds(DWORD limit, bool layers);
