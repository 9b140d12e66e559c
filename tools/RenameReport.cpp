#include "tools/RenameReport.h"

#include "core/CVXMemNode.h"
#include "core/Cp932.h"
#include "tools/RowText.h"

namespace {

std::string Quoted(const std::string& cp932Name) { return "'" + cp932::ToUTF8(cp932Name) + "'"; }

std::string Arrow(const std::string& before, const std::string& after) { return before + " → " + after; }

std::vector<RenamedRow> RowChanges(size_t row, IStepchain* before, IStepchain* after)
{
    const std::string kind = KindText(after);
    std::vector<RenamedRow> changes;
    MemNodeArray oldNodes;
    MemNodeArray newNodes;
    before->GetMemNodes(oldNodes);
    after->GetMemNodes(newNodes);
    for (size_t n = 0; n < oldNodes.size() && n < newNodes.size(); ++n) {
        if (oldNodes[n]->m_name != newNodes[n]->m_name)
            changes.push_back({row, kind, Arrow(Quoted(oldNodes[n]->m_name), Quoted(newNodes[n]->m_name))});
    }
    if (!changes.empty())
        return changes;
    // The rename hooks change texts that are not operands, such as action links.
    const std::string oldCaption = CaptionLine(before);
    const std::string newCaption = CaptionLine(after);
    if (oldCaption != newCaption)
        changes.push_back({row, kind, Arrow(oldCaption, newCaption)});
    else if (!before->CompareProperties(after))
        changes.push_back({row, kind, "settings not shown in the caption changed"});
    return changes;
}

}

std::vector<RenamedRow> RenameAndReport(CStepchainData& list, const std::string& oldName, const std::string& newName)
{
    CStepchainData before;
    before.CopyPropertiesFrom(&list);
    list.MemSync(oldName, newName);
    const CStepchainData::CheckScope beforeScope(before);
    const CStepchainData::CheckScope afterScope(list);
    std::vector<RenamedRow> changes;
    for (size_t row = 0; row < list.GetCount(); ++row) {
        for (RenamedRow& change : RowChanges(row, before.GetAt(row), list.GetAt(row)))
            changes.push_back(std::move(change));
    }
    return changes;
}
