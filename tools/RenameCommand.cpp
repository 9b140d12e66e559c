#include "tools/Commands.h"
#include "tools/FileIo.h"
#include "tools/ListFile.h"
#include "tools/RenameReport.h"
#include "tools/Session.h"

int RunRenameLists(const Context& context, const std::string& oldName, const std::string& newName,
                   const std::vector<std::string>& lists, bool dryRun, std::ostream& out)
{
    const std::string from = CommandLineText(oldName, "the old name");
    const std::string to = CommandLineText(newName, "the new name");
    for (const std::string& path : lists) {
        if (path == "-" && !dryRun)
            throw InputError("standard input cannot be renamed in place");
    }
    Session session(context);
    // Every list is read before anything is written, so that one unreadable
    // list leaves every file as it was.
    std::vector<std::unique_ptr<CStepchainData>> loaded;
    for (const std::string& path : lists)
        loaded.push_back(session.Load(path));

    std::vector<std::pair<std::string, std::string>> changedFiles;
    for (size_t i = 0; i < lists.size(); ++i) {
        const std::vector<RenamedRow> changes = RenameAndReport(*loaded[i], from, to);
        for (const RenamedRow& change : changes)
            out << lists[i] << ": row " << change.row + 1 << ": " << change.kind << ": " << change.change << '\n';
        if (!changes.empty())
            changedFiles.emplace_back(lists[i], dryRun ? std::string() : StoreList(*loaded[i]));
    }
    const std::string tally = std::to_string(changedFiles.size()) + " of " + std::to_string(lists.size()) + " lists";
    if (dryRun) {
        out << tally << " would change; nothing written\n";
        return EXIT_OK;
    }
    size_t written = 0;
    for (const auto& [path, bytes] : changedFiles) {
        try {
            WriteFileAtomically(path, bytes);
        } catch (const FileError& e) {
            throw InputError(path + ": " + e.what() + " (" + std::to_string(written) + " lists written before it)");
        }
        ++written;
    }
    out << tally << " changed and written\n";
    return EXIT_OK;
}
