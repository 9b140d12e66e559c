#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Exit codes of the tool.
inline constexpr int EXIT_OK = 0;
inline constexpr int EXIT_INVALID_ROW = 1;
inline constexpr int EXIT_LISTS_DIFFER = 1;
inline constexpr int EXIT_BAD_INPUT = 2;

// What every command may take: a host description and an owner name (UTF-8).
struct Context {
    std::string hostPath;
    std::optional<std::string> owner;
    // The process ends with the command: the list it ends with need not be
    // freed (see Session::Finish).
    bool processEndsAfter = false;
};

// Each command writes to `out` and answers its exit code; failures throw
// InputError (tools/ListFile.h) with a one-line reason. An OUTPUT of "-"
// is `out`.
int RunScript(const Context& context, const std::string& list, int mode, std::ostream& out);
int RunSpecRow(const Context& context, const std::string& list, const std::string& name, std::ostream& out);
int RunSpecRaw(const Context& context, const std::string& list, std::ostream& out);
int RunKeywords(const Context& context, const std::string& list, bool raw, std::ostream& out);
int RunShow(const Context& context, const std::string& list, std::ostream& out);
// Checks every list it can read; each it cannot is told on `err`, and makes
// the exit code EXIT_BAD_INPUT.
int RunCheck(const Context& context, const std::vector<std::string>& lists, std::ostream& out, std::ostream& err);
// The rows that differ between two lists (UTF-8); EXIT_LISTS_DIFFER when any do.
int RunDiff(const Context& context, const std::string& before, const std::string& after, std::ostream& out);
int RunStore(const Context& context, const std::string& list, const std::string& output, std::ostream& out);
int RunMergeLimit(const Context& context, const std::string& list, const std::string& limit, const std::string& output,
                  std::ostream& out);
// Tells on `out`, or on `err` when the list goes to `out`, whether a plain name changed.
int RunRename(const Context& context, const std::string& list, const std::string& oldName, const std::string& newName,
              const std::string& output, std::ostream& out, std::ostream& err);
// The list as its JSON text form: to `out`, or written whole into `output` when given.
int RunDump(const Context& context, const std::string& list, const std::string& output, std::ostream& out);
// A text form (never a binary list) stored as a list file.
int RunBuild(const std::string& input, const std::string& output, std::ostream& out);
// Renames in many lists: writes each list that changed back in place, or
// with `dryRun` only tells what would change. Each list is locked from
// before it is read until it is written; nothing is written unless every
// list can be read, and every changed one is written into a file beside it,
// before the first is replaced.
int RunRenameLists(const Context& context, const std::string& oldName, const std::string& newName,
                   const std::vector<std::string>& lists, bool dryRun, std::ostream& out);

// "12" or "0x0C" as a limit word; InputError otherwise.
uint32_t ParseLimitWord(const std::string& text);

// The old and new names of a rename as CP932; InputError for an empty old
// name (it would name every empty operand) and for a name that would break
// a script line.
std::pair<std::string, std::string> RenameNames(const std::string& oldName, const std::string& newName);
