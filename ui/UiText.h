#pragma once

#include <QString>
#include <string>

#include "core/Texts.h"

// The module keeps its texts as CP932 bytes; Qt shows QStrings. These are
// the only crossings between the two in the user interface.
namespace ui {

// CP932 bytes as a QString; a byte that does not convert shows as "?".
QString FromCp932(const std::string& text);
// One of the module's texts.
QString Text(Txt id);

// The CP932 bytes of `text`. False when a character has no CP932 form; it
// becomes "?" in `out`, so a caller that must not lose text refuses it.
bool ToCp932(const QString& text, std::string* out);
// The characters of `text` that CP932 cannot hold, each once, in order.
QString NotCp932(const QString& text);

}
