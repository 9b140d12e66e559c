#pragma once

#include <ostream>
#include <string>

#include "core/CStepchainData.h"

// Writes, row by row, a line for an invalid row with its reasons under it,
// and a line for each warning (UTF-8):
//   PATH: row N: KIND: CAPTION
//     - English reason / 日本語の理由
//   PATH: row N: warning: KIND: English / 日本語
// Answers whether a row is invalid; warnings do not count.
bool ReportRows(const std::string& path, CStepchainData& list, std::ostream& out);
