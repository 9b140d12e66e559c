#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/IStepchain.h"

// The label checks of a whole list, worked out in one pass: each label's
// and branch's answer by row, and the rows of the labels by name, for
// actions that are not rows of the list and for the reasons of a row. It
// answers for the list as it was when it was built, and keeps a reference
// to its array of actions.
//
// The actions are separate heap objects that a long list spreads over
// megabytes, and a hash table of its names outgrows the caches: the index
// reads the actions once, in row order and fetching ahead, fetches each
// name's slot ahead too, and keeps short names in the slots themselves, so
// that building waits for memory as little as it can. Asking the rows in
// order then reads nothing but the index's own arrays in order.
class LabelIndex {
public:
    explicit LabelIndex(const StepchainArray& actions);
    LabelIndex(const LabelIndex&) = delete;
    LabelIndex& operator=(const LabelIndex&) = delete;

    // The answer of the label check for a label (the duplicate check) or a
    // branch (the target check) of the list; none for an action that is not
    // a row of the list.
    std::optional<int> RowAnswer(const IStepchain* action) const;
    // The rows of the labels named `name`, first to last; empty when none.
    std::span<const uint32_t> LabelRows(std::string_view name) const;

private:
    // The labels of one name: its text is m_names[nameBegin, + nameSize),
    // its rows m_labelRows[rowsBegin, + rowCount).
    struct Group {
        uint64_t hash;
        uint32_t nameBegin;
        uint32_t nameSize;
        uint32_t rowsBegin;
        uint32_t rowCount;
    };
    // A name's slot: its first eight bytes, its size and bits of its hash,
    // which tell most names apart without reading m_names; group + 1, or 0
    // for an empty slot.
    struct NameSlot {
        uint64_t head;
        uint32_t group;
        uint16_t size;
        uint16_t tag;
    };
    // A name as the slots compare it.
    struct Key {
        std::string_view name;
        uint64_t hash;
        uint64_t head;
    };

    static Key KeyOf(std::string_view name);
    static NameSlot SlotOf(const Key& key, uint32_t group);
    // The slot that holds the name's group, or the empty one where it would go.
    size_t FindName(const Key& key) const;
    // The group of the name, a new one of no rows when it has none.
    uint32_t GroupOf(const Key& key);
    void GrowNameSlots();
    std::optional<size_t> RowOf(const IStepchain* action) const;
    void BuildRowSlots() const;

    const StepchainArray& m_actions;
    // Per row: the answer of a label or branch, or kNotChecked.
    std::vector<int8_t> m_answers;
    std::vector<Group> m_groups;
    std::vector<NameSlot> m_nameSlots;
    std::string m_names;
    std::vector<uint32_t> m_labelRows;
    // Rows are usually asked in order, each once or twice: the last row
    // found and the one after it are tried before the table of rows by
    // address, which is built only when a row is asked out of order.
    mutable size_t m_lastRow = 0;
    mutable std::vector<uint32_t> m_rowSlots;
};
