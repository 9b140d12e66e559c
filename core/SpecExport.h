#pragma once

#include <string>

class CStepchainData;

// The property's row of the specification document, in UTF-8: the empty-list
// row, or the opening row, the list's action rows and the closing row.
// `displayName` is CP932.
std::string ExportPropertySpec(CStepchainData& list, const std::string& displayName);

// "&", "<" and ">" as HTML entities, so names cannot break the document.
std::string EscapeHtml(const std::string& text);
