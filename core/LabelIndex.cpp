#include "core/LabelIndex.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <functional>

#include "core/CStepchainData.h"
#include "core/Prefetch.h"

namespace {

// What m_answers holds for a row other than a label's or a branch's.
constexpr int8_t kNotChecked = 127;
constexpr size_t kFirstNameSlots = 16;
constexpr size_t kHeadBytes = sizeof(uint64_t);
// How many names ahead of the one looked up have their slot fetched.
constexpr size_t kNamesAhead = 8;

// The checks read an action's first half kilobyte, where its names lie.
constexpr size_t kRowsAhead = 8;
constexpr size_t kActionBytes = 512;

// Heap addresses share their low bits: the top bits of the product, which
// every bit of the address reaches, pick the slot of a table of 2^bits.
size_t AddressSlot(const IStepchain* action, int bits)
{
    return static_cast<size_t>((reinterpret_cast<uintptr_t>(action) * 0x9E3779B97F4A7C15u) >> (64 - bits));
}

}

LabelIndex::LabelIndex(const StepchainArray& actions) : m_actions(actions), m_answers(actions.size(), kNotChecked)
{
    // Each label's and branch's row and group; a branch's target gets a
    // group of no rows when no label has that name.
    struct Named {
        uint32_t row;
        uint32_t group;
    };
    std::vector<Named> labels;
    std::vector<Named> branches;
    m_nameSlots.resize(kFirstNameSlots);

    // A name is looked up kNamesAhead names after its slot was fetched.
    struct Pending {
        Key key;
        uint32_t row;
        bool label;
    };
    std::array<Pending, kNamesAhead> pending{};
    size_t seen = 0;
    auto lookUp = [&](const Pending& p) {
        (p.label ? labels : branches).push_back({p.row, GroupOf(p.key)});
    };
    for (size_t row = 0; row < actions.size(); ++row) {
        FetchAhead(actions, row, kRowsAhead, kActionBytes);
        IStepchain* action = actions[row];
        const std::string* name = GetLabelName(action);
        const bool label = name != nullptr;
        if (!label)
            name = GetBranchTarget(action);
        if (name == nullptr)
            continue;
        Pending& next = pending[seen++ % kNamesAhead];
        if (seen > kNamesAhead)
            lookUp(next);
        next = {KeyOf(*name), static_cast<uint32_t>(row), label};
        Fetch(&m_nameSlots[next.key.hash & (m_nameSlots.size() - 1)]);
    }
    for (size_t i = seen > kNamesAhead ? seen - kNamesAhead : 0; i < seen; ++i)
        lookUp(pending[i % kNamesAhead]);

    // Count each name's labels, give each name its stretch of m_labelRows,
    // then fill the stretches from their ends backwards, so that each ends
    // up in row order with rowsBegin at its first row.
    for (const Named& label : labels)
        ++m_groups[label.group].rowCount;
    uint32_t end = 0;
    for (Group& group : m_groups) {
        end += group.rowCount;
        group.rowsBegin = end;
    }
    m_labelRows.resize(labels.size());
    for (auto it = labels.rbegin(); it != labels.rend(); ++it)
        m_labelRows[--m_groups[it->group].rowsBegin] = it->row;

    // A label is a duplicate when another action of the list has its name;
    // a list holds each action once (it deletes each). A branch is fine
    // when the first label of its target lies below it.
    for (const Named& label : labels)
        m_answers[label.row] = static_cast<int8_t>(m_groups[label.group].rowCount > 1 ? -1 : 0);
    for (const Named& branch : branches) {
        const Group& target = m_groups[branch.group];
        m_answers[branch.row] =
            static_cast<int8_t>(target.rowCount == 0 ? 1 : branch.row < m_labelRows[target.rowsBegin] ? 0 : 2);
    }
}

LabelIndex::Key LabelIndex::KeyOf(std::string_view name)
{
    uint64_t head = 0;
    std::memcpy(&head, name.data(), std::min(name.size(), kHeadBytes));
    return {name, std::hash<std::string_view>()(name), head};
}


size_t LabelIndex::FindName(const Key& key) const
{
    const size_t mask = m_nameSlots.size() - 1;
    const auto size = static_cast<uint16_t>(std::min<size_t>(key.name.size(), UINT16_MAX));
    const auto tag = static_cast<uint16_t>(key.hash >> 48);
    for (size_t at = key.hash & mask;; at = (at + 1) & mask) {
        const NameSlot& slot = m_nameSlots[at];
        if (slot.group == 0)
            return at;
        if (slot.head != key.head || slot.size != size || slot.tag != tag)
            continue;
        if (key.name.size() <= kHeadBytes)
            return at;
        const Group& group = m_groups[slot.group - 1];
        if (std::string_view(m_names.data() + group.nameBegin, group.nameSize) == key.name)
            return at;
    }
}

uint32_t LabelIndex::GroupOf(const Key& key)
{
    size_t at = FindName(key);
    if (m_nameSlots[at].group == 0) {
        // At most half the slots are taken, so that probes stay short.
        if ((m_groups.size() + 1) * 2 > m_nameSlots.size()) {
            GrowNameSlots();
            at = FindName(key);
        }
        m_groups.push_back({key.hash, static_cast<uint32_t>(m_names.size()), static_cast<uint32_t>(key.name.size()), 0, 0});
        m_names.append(key.name);
        m_nameSlots[at] = SlotOf(key, static_cast<uint32_t>(m_groups.size()));
    }
    return m_nameSlots[at].group - 1;
}

LabelIndex::NameSlot LabelIndex::SlotOf(const Key& key, uint32_t group)
{
    return {key.head, group, static_cast<uint16_t>(std::min<size_t>(key.name.size(), UINT16_MAX)),
            static_cast<uint16_t>(key.hash >> 48)};
}

void LabelIndex::GrowNameSlots()
{
    // Every name is new to the larger table, so each takes the first empty
    // slot from its own; the groups keep the hashes.
    m_nameSlots.assign(m_nameSlots.size() * 2, NameSlot{});
    const size_t mask = m_nameSlots.size() - 1;
    for (size_t i = 0; i < m_groups.size(); ++i) {
        const Group& group = m_groups[i];
        const std::string_view name(m_names.data() + group.nameBegin, group.nameSize);
        uint64_t head = 0;
        std::memcpy(&head, name.data(), std::min(name.size(), kHeadBytes));
        size_t at = group.hash & mask;
        while (m_nameSlots[at].group != 0)
            at = (at + 1) & mask;
        m_nameSlots[at] = SlotOf({name, group.hash, head}, static_cast<uint32_t>(i + 1));
    }
}

std::span<const uint32_t> LabelIndex::LabelRows(std::string_view name) const
{
    const NameSlot& slot = m_nameSlots[FindName(KeyOf(name))];
    if (slot.group == 0)
        return {};
    const Group& group = m_groups[slot.group - 1];
    return {m_labelRows.data() + group.rowsBegin, group.rowCount};
}

std::optional<int> LabelIndex::RowAnswer(const IStepchain* action) const
{
    const std::optional<size_t> row = RowOf(action);
    if (!row || m_answers[*row] == kNotChecked)
        return std::nullopt;
    return m_answers[*row];
}

std::optional<size_t> LabelIndex::RowOf(const IStepchain* action) const
{
    for (const size_t row : {m_lastRow, m_lastRow + 1}) {
        if (row < m_actions.size() && m_actions[row] == action) {
            // The caller walks the rows: the next ones are on their way.
            if (row != m_lastRow)
                FetchAhead(m_actions, row, kRowsAhead, kActionBytes);
            m_lastRow = row;
            return row;
        }
    }
    if (m_rowSlots.empty())
        BuildRowSlots();
    const int bits = std::countr_zero(m_rowSlots.size());
    const size_t mask = m_rowSlots.size() - 1;
    for (size_t at = AddressSlot(action, bits);; at = (at + 1) & mask) {
        const uint32_t slot = m_rowSlots[at];
        if (slot == 0)
            return std::nullopt;
        if (m_actions[slot - 1] == action) {
            m_lastRow = slot - 1;
            return m_lastRow;
        }
    }
}

void LabelIndex::BuildRowSlots() const
{
    size_t checked = 0;
    for (int8_t answer : m_answers)
        checked += answer != kNotChecked;
    // Row + 1 of each label and branch, the address read from the list;
    // at least one slot stays empty, which ends every probe.
    m_rowSlots.assign(std::bit_ceil(checked * 2 + 2), 0);
    const int bits = std::countr_zero(m_rowSlots.size());
    const size_t mask = m_rowSlots.size() - 1;
    for (size_t row = 0; row < m_answers.size(); ++row) {
        if (m_answers[row] == kNotChecked)
            continue;
        size_t at = AddressSlot(m_actions[row], bits);
        while (m_rowSlots[at] != 0)
            at = (at + 1) & mask;
        m_rowSlots[at] = static_cast<uint32_t>(row + 1);
    }
}
