#include <memory>

#include "core/CStepchainData.h"
#include "core/RowSample.h"

void CStepchainData::Serialize(CArchive& ar)
{
    if (ar.IsLoading())
        SerializeIn(ar, &m_actions);
    else
        SerializeOut(ar, 0, static_cast<int>(m_actions.size()) - 1);
}

void CStepchainData::SerializeOut(CArchive& ar, int first, int last)
{
    ar.RequireStoring();
    const long long count = last >= first ? static_cast<long long>(last) - first + 1 : 0;
    if (count > static_cast<long long>(MAX_STEPCHAIN_ACTIONS)) {
        ar.Fail(CArchiveException::tooLong,
                std::to_string(count) + " actions, at most " + std::to_string(MAX_STEPCHAIN_ACTIONS) + " can be stored");
    }
    if (count > 0 && (first < 0 || static_cast<size_t>(last) >= m_actions.size()))
        throw std::out_of_range("rows outside the list");
    ar << static_cast<WORD>(count);
    const RowSample sample(static_cast<size_t>(count), ar.GetPosition());
    for (int row = first; row < first + count; ++row) {
        IStepchain* action = m_actions[static_cast<size_t>(row)];
        try {
            ar << static_cast<BYTE>(action->GetActionType());
            action->Serialize(ar);
        } catch (CArchiveException& e) {
            e.SetRow(row - first + 1);
            throw;
        }
        if (const size_t room = sample.RoomAfter(static_cast<size_t>(row - first + 1), ar.GetPosition()))
            ar.Reserve(room);
    }
}

void CStepchainData::SerializeIn(CArchive& ar, StepchainArray* destination)
{
    ar.RequireLoading();
    WORD count = 0;
    ar >> count;
    // Nothing checks labels while the rows are read, so dropping the index
    // before holds for a load that fails half-way too.
    if (destination == &m_actions)
        RowsChanged();
    for (int row = 1; row <= count; ++row) {
        try {
            BYTE type = 0;
            ar >> type;
            std::unique_ptr<IStepchain> action(CreateSC(type));
            if (!action)
                ar.Fail(CArchiveException::badFormat, "unknown action type " + std::to_string(type));
            action->Serialize(ar);
            destination->push_back(action.release());
        } catch (CArchiveException& e) {
            e.SetRow(row);
            throw;
        }
    }
}
