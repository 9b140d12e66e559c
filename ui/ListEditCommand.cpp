#include "ui/ListEditCommand.h"

#include <memory>

#include "core/CStepchainData.h"
#include "ui/StepchainModel.h"

ListEditCommand::ListEditCommand(StepchainModel* model, Select select) : m_model(model), m_select(std::move(select))
{
}

std::string ListEditCommand::StoreRows(CStepchainData& list, size_t index, size_t count)
{
    CArchive ar;
    list.SerializeOut(ar, static_cast<int>(index), static_cast<int>(index + count) - 1);
    return ar.GetStored();
}

StepchainArray ListEditCommand::ReadRows(CStepchainData& list, const std::string& bytes)
{
    CArchive ar(bytes);
    StepchainArray actions;
    try {
        list.SerializeIn(ar, &actions);
    } catch (...) {
        for (IStepchain* action : actions)
            delete action;
        throw;
    }
    return actions;
}

void ListEditCommand::Inserted(size_t index, size_t count)
{
    m_steps.push_back({Kind::Insert, index, count, StoreRows(*m_model->List(), index, count), {}});
}

void ListEditCommand::Removed(size_t index, size_t count, std::string bytes)
{
    m_steps.push_back({Kind::Remove, index, count, std::move(bytes), {}});
}

void ListEditCommand::Replaced(size_t index, std::string before, std::string after)
{
    m_steps.push_back({Kind::Replace, index, 1, std::move(before), std::move(after)});
}

void ListEditCommand::Moved(size_t from, size_t to) { m_steps.push_back({Kind::Move, from, to, {}, {}}); }

void ListEditCommand::SetSelection(size_t first, size_t last, size_t undoFirst, size_t undoLast)
{
    m_first = first;
    m_last = last;
    m_undoFirst = undoFirst;
    m_undoLast = undoLast;
}

void ListEditCommand::InsertFrom(size_t index, const std::string& bytes)
{
    m_model->InsertActions(index, ReadRows(*m_model->List(), bytes));
}

void ListEditCommand::Remove(size_t index, size_t count)
{
    for (IStepchain* action : m_model->TakeActions(index, count))
        delete action;
}

void ListEditCommand::Replace(size_t index, const std::string& bytes)
{
    StepchainArray actions = ReadRows(*m_model->List(), bytes);
    delete m_model->ReplaceAction(index, actions.at(0));
}

void ListEditCommand::Apply(const Step& step, bool forward)
{
    switch (step.kind) {
    case Kind::Insert:
        forward ? InsertFrom(step.index, step.before) : Remove(step.index, step.other);
        break;
    case Kind::Remove:
        forward ? Remove(step.index, step.other) : InsertFrom(step.index, step.before);
        break;
    case Kind::Replace:
        Replace(step.index, forward ? step.after : step.before);
        break;
    case Kind::Move:
        forward ? m_model->MoveAction(step.index, step.other) : m_model->MoveAction(step.other, step.index);
        break;
    }
}

void ListEditCommand::redo()
{
    if (m_recorded) {
        m_recorded = false;
        return;
    }
    m_model->RemoveBlank();
    for (const Step& step : m_steps)
        Apply(step, true);
    m_model->Refresh();
    m_select(m_first, m_last);
}

void ListEditCommand::undo()
{
    m_model->RemoveBlank();
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step)
        Apply(*step, false);
    m_model->Refresh();
    m_select(m_undoFirst, m_undoLast);
}
