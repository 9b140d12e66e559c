#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

#include "core/CStepchainData.h"
#include "tools/FileIo.h"

// Input that the tool cannot use; the text is one line for stderr.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest file a list of 65,535 actions can need. Nothing in the
// archive bounds a text (a length may take 64 bits), so the bounds take
// every text at 254 bytes at most, the longest that a one-byte length
// holds: far beyond any name, label, link or message that a panel uses.
// The longest actions, the clock add/subtract and the keypad, then store
// 2,663 bytes (operands as text memories, whose stored name has a suffix
// and which store a second text) and dump to 16,013 bytes of text form
// (a byte such as 01 takes six characters, \u0001); the text form's row
// leaves some room for other layouts of blanks and line breaks.
inline constexpr uint64_t MAX_STORED_ROW_BYTES = 2663;
inline constexpr uint64_t MAX_TEXT_FORM_ROW_BYTES = 16384;
inline constexpr uint64_t MAX_LIST_FILE_BYTES = 2 + MAX_STEPCHAIN_ACTIONS * MAX_STORED_ROW_BYTES;
inline constexpr uint64_t MAX_TEXT_FORM_BYTES = 4096 + MAX_STEPCHAIN_ACTIONS * MAX_TEXT_FORM_ROW_BYTES;

// The bound of a list file: a file whose first bytes could begin a text
// form may be as long as the longest text form, any other file as long as
// the longest stored list.
SizeLimit ListSizeLimit();

// Loads a list file (or standard input for "-"), binary or the text form;
// throws InputError naming the file, the byte offset or JSON path, and what
// was wrong.
std::unique_ptr<CStepchainData> LoadListFile(const std::string& path);
// The same from the bytes of a file that `name` names in messages.
std::unique_ptr<CStepchainData> LoadListBytes(const std::string& name, const std::string& bytes);

// The list's bytes as the archive stores them; InputError when it cannot.
std::string StoreList(CStepchainData& list);

// Writes `bytes` to `out` for "-", else into the file `path`, whole or not
// at all (tools/OutputFile.h); InputError naming the file when it cannot.
void WriteOutput(const std::string& path, const std::string& bytes, std::ostream& out);
