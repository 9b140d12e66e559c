#pragma once

#include <QUndoCommand>
#include <functional>
#include <string>
#include <vector>

#include "core/IStepchain.h"

class StepchainModel;

// One change of the working copy on the undo stack: the steps the editor
// took, each with what it needs to be taken back (the stored bytes of the
// actions it removed or replaced). The editor records the steps while it
// makes the change, so the first redo, which QUndoStack calls on push, does
// nothing.
class ListEditCommand : public QUndoCommand {
public:
    // `select` gets the list indices to select after each undo and redo.
    using Select = std::function<void(size_t first, size_t last)>;

    ListEditCommand(StepchainModel* model, Select select);

    // Records changes already made to the list.
    void Inserted(size_t index, size_t count);
    // `bytes`: the stored frame of the rows removed at `index`.
    void Removed(size_t index, size_t count, std::string bytes);
    // `before` and `after`: the stored frames (one row) of the replaced action and its successor.
    void Replaced(size_t index, std::string before, std::string after);
    void Moved(size_t from, size_t to);

    bool IsEmpty() const { return m_steps.empty(); }
    // The rows selected after redo and after undo.
    void SetSelection(size_t first, size_t last, size_t undoFirst, size_t undoLast);

    void undo() override;
    void redo() override;

    // The stored frame (a count, then each row) of `count` actions from `index`.
    static std::string StoreRows(CStepchainData& list, size_t index, size_t count);
    // The actions of a stored frame, made by `list`.
    static StepchainArray ReadRows(CStepchainData& list, const std::string& bytes);

private:
    enum class Kind { Insert, Remove, Replace, Move };
    struct Step {
        Kind kind;
        size_t index;
        size_t other;  // Insert/Remove: the count; Move: the destination
        std::string before;
        std::string after;
    };
    void Apply(const Step& step, bool forward);
    void InsertFrom(size_t index, const std::string& bytes);
    void Remove(size_t index, size_t count);
    void Replace(size_t index, const std::string& bytes);

    StepchainModel* m_model;
    Select m_select;
    std::vector<Step> m_steps;
    bool m_recorded = true;
    size_t m_first = 0, m_last = 0, m_undoFirst = 0, m_undoLast = 0;
};
