#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace ui {

// A page number as typed: decimal digits only, an empty text being 0. Nothing
// when the text holds anything else or the value does not fit the 32-bit page
// fields, which would otherwise wrap to another page.
std::optional<int32_t> ReadPageNumber(const QString& text);

// The refusal of a page number that ReadPageNumber does not take.
QString PageNumberRefused();

}
