#pragma once

#include <string_view>

#include "tools/textform/Values.h"

namespace textform {

// Parses JSON text as the tool takes it from people and other programs:
// a key given twice in one object is refused (the parser alone would keep
// the last), and so is nesting deeper than `maxDepth`. Every refusal,
// the parser's own included (a syntax error with its line and column, a
// number out of range such as 1e999), is a FormError that begins with
// the JSON path where it happened.
Json ParseStrict(std::string_view text, int maxDepth);

}
