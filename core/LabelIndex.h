#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/IStepchain.h"

// What the label checks look up across a list, gathered in one pass: the
// rows of the labels by name, and the row of each branch. The names point
// into the actions' own strings, so the index is valid only while the list
// and those names stay as they were when it was built.
//
// Two open-addressing tables over flat arrays rather than node-based maps:
// an index of a long list of labels then takes about half the memory of
// the labels themselves, and is built without an allocation per row.
class LabelIndex {
public:
    explicit LabelIndex(const StepchainArray& actions);
    LabelIndex(const LabelIndex&) = delete;
    LabelIndex& operator=(const LabelIndex&) = delete;

    // The rows of the labels named `name`, first to last; empty when none.
    std::span<const uint32_t> LabelRows(std::string_view name) const;
    // The first row holding `branch`; none when it is not a branch of the list.
    std::optional<size_t> BranchRow(const IStepchain* branch) const;

private:
    // The labels of one name: their rows are m_labelRows[begin, begin + count).
    struct Group {
        std::string_view name;
        uint32_t begin = 0;
        uint32_t count = 0;
    };
    struct BranchSlot {
        const IStepchain* branch = nullptr;
        uint32_t row = 0;
    };

    // The slot of the key in its table, which must not be empty: the one
    // holding it, or the empty one where it would go.
    size_t NameSlotOf(std::string_view name) const;
    size_t BranchSlotOf(const IStepchain* branch) const;

    std::vector<Group> m_groups;
    // Group number + 1 for each name, 0 for an empty slot.
    std::vector<uint32_t> m_nameSlots;
    std::vector<uint32_t> m_labelRows;
    std::vector<BranchSlot> m_branchSlots;
};
