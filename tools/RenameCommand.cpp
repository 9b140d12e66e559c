#include <memory>
#include <optional>

#include "tools/Commands.h"
#include "tools/FileLocks.h"
#include "tools/ListFile.h"
#include "tools/OutputFile.h"
#include "tools/RenameReport.h"
#include "tools/Session.h"

namespace {

std::string Lists(size_t count) { return std::to_string(count) + (count == 1 ? " list" : " lists"); }

std::string Joined(const std::vector<std::string>& paths)
{
    std::string text;
    for (const std::string& path : paths)
        text += (text.empty() ? "" : ", ") + path;
    return text.empty() ? "none" : text;
}

}

int RunRenameLists(const Context& context, const std::string& oldName, const std::string& newName,
                   const std::vector<std::string>& lists, bool dryRun, std::ostream& out)
{
    const auto [from, to] = RenameNames(oldName, newName);
    for (const std::string& path : lists) {
        if (path == "-" && !dryRun)
            throw InputError("standard input cannot be renamed in place");
    }
    Session session(context);
    // Every list is read before anything is written, so that one unreadable
    // list leaves every file as it was; lists written back stay locked from
    // before they are read, so that another run cannot change them between.
    std::optional<LockedFiles> locked;
    if (!dryRun) {
        try {
            locked.emplace(lists);
        } catch (const FileError& e) {
            throw InputError(e.what());
        }
    }
    std::vector<std::unique_ptr<CStepchainData>> loaded;
    for (size_t i = 0; i < lists.size(); ++i) {
        if (!locked) {
            loaded.push_back(session.Load(lists[i]));
            continue;
        }
        try {
            loaded.push_back(session.Load(lists[i], locked->Read(i, ListSizeLimit())));
        } catch (const FileError& e) {
            throw InputError(lists[i] + ": " + e.what());
        }
    }

    std::vector<std::pair<std::string, std::string>> changedFiles;
    for (size_t i = 0; i < lists.size(); ++i) {
        const std::vector<RenamedRow> changes = RenameAndReport(*loaded[i], from, to);
        for (const RenamedRow& change : changes)
            out << lists[i] << ": row " << change.row + 1 << ": " << change.kind << ": " << change.change << '\n';
        if (!changes.empty())
            changedFiles.emplace_back(lists[i], dryRun ? std::string() : StoreList(*loaded[i]));
    }
    const std::string tally = std::to_string(changedFiles.size()) + " of " + Lists(lists.size());
    if (dryRun) {
        out << tally << " would change; nothing written\n";
        return EXIT_OK;
    }

    std::vector<std::unique_ptr<PendingWrite>> writes;
    for (const auto& [path, bytes] : changedFiles) {
        try {
            writes.push_back(std::make_unique<PendingWrite>(path, bytes, false));
        } catch (const FileError& e) {
            throw InputError(path + ": " + e.what() + "; nothing written");
        }
    }
    std::vector<std::string> written;
    for (size_t i = 0; i < writes.size(); ++i) {
        try {
            writes[i]->Commit();
        } catch (const FileError& e) {
            std::vector<std::string> unwritten;
            for (size_t j = i; j < changedFiles.size(); ++j)
                unwritten.push_back(changedFiles[j].first);
            throw InputError(changedFiles[i].first + ": " + e.what() + "; written: " + Joined(written) +
                             "; not written: " + Joined(unwritten));
        }
        written.push_back(changedFiles[i].first);
    }
    out << tally << " changed and written\n";
    return EXIT_OK;
}
