#include "tools/Commands.h"
#include "tools/ListDiff.h"
#include "tools/RowText.h"
#include "tools/Session.h"

namespace {

std::string Row(char list, size_t row) { return list + std::to_string(row + 1); }

}

int RunDiff(const Context& context, const std::string& before, const std::string& after, std::ostream& out)
{
    Session session(context);
    auto first = session.Load(before);
    auto second = session.Load(after);
    const CStepchainData::CheckScope firstScope(*first);
    const CStepchainData::CheckScope secondScope(*second);
    const ListDiff diffs = DiffLists(first->GetActions(), second->GetActions());
    if (!diffs.complete) {
        out << "note: the lists differ in too many rows to pair them all up; some rows shown as removed and added "
               "may be equal, moved or changed ones\n";
    }
    for (const RowDiff& diff : diffs.rows) {
        IStepchain* old = diff.change == RowChange::Added ? nullptr : first->GetAt(diff.before);
        IStepchain* now = diff.change == RowChange::Removed ? nullptr : second->GetAt(diff.after);
        switch (diff.change) {
        case RowChange::Removed:
            out << "removed " << Row('A', diff.before) << ": " << KindAndCaption(old) << '\n';
            break;
        case RowChange::Added: out << "added " << Row('B', diff.after) << ": " << KindAndCaption(now) << '\n'; break;
        case RowChange::Moved:
            out << "moved " << Row('A', diff.before) << " → " << Row('B', diff.after) << ": " << KindAndCaption(old)
                << '\n';
            break;
        case RowChange::Changed:
            // Each caption is read before the next: a class keeps one caption buffer.
            out << "changed " << Row('A', diff.before) << " → " << Row('B', diff.after) << ": " << KindText(old)
                << '\n';
            out << "  - " << CaptionLine(old) << '\n';
            out << "  + " << CaptionLine(now) << '\n';
            break;
        }
    }
    return diffs.rows.empty() ? EXIT_OK : EXIT_LISTS_DIFFER;
}
