#include "tools/CheckReport.h"

#include "actions/CSCAction.h"
#include "tools/RowText.h"
#include "tools/Warnings.h"

bool ReportRows(const std::string& path, CStepchainData& list, std::ostream& out)
{
    const CStepchainData::CheckScope scope(list);
    const std::vector<Warning> warnings = ListWarnings(list);
    auto warning = warnings.begin();
    bool invalid = false;
    for (size_t row = 0; row < list.GetCount(); ++row) {
        IStepchain* action = list.GetAt(row);
        const std::string where = path + ": row " + std::to_string(row + 1) + ": ";
        if (action->IsInvalid() != 0) {
            invalid = true;
            out << where << KindText(action) << ": " << CaptionLine(action) << '\n';
            for (const InvalidReason& reason : CSCAction::AsAction(action)->GetInvalidReasons())
                out << "  - " << reason.english << " / " << reason.japanese << '\n';
        }
        for (; warning != warnings.end() && warning->row == row; ++warning)
            out << where << "warning: " << KindText(action) << ": " << warning->text.english << " / "
                << warning->text.japanese << '\n';
    }
    return invalid;
}
