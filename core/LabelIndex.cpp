#include "core/LabelIndex.h"

#include <bit>
#include <functional>
#include <utility>

#include "core/CStepchainData.h"

namespace {

// Room for `count` keys with at most half the slots taken, so that probes
// stay short; a power of two, so that a mask picks the slot.
size_t TableSize(size_t count) { return count == 0 ? 0 : std::bit_ceil(count * 2); }

}

LabelIndex::LabelIndex(const StepchainArray& actions)
{
    size_t labels = 0;
    size_t branches = 0;
    for (IStepchain* action : actions) {
        if (GetLabelName(action) != nullptr)
            ++labels;
        else if (GetBranchTarget(action) != nullptr)
            ++branches;
    }
    m_nameSlots.resize(TableSize(labels));
    m_branchSlots.resize(TableSize(branches));

    // Each label's row and group; the groups are laid out one after the
    // other once every name has been counted.
    std::vector<std::pair<uint32_t, uint32_t>> labelGroups;
    labelGroups.reserve(labels);
    for (size_t row = 0; row < actions.size(); ++row) {
        IStepchain* action = actions[row];
        if (const std::string* name = GetLabelName(action)) {
            uint32_t& slot = m_nameSlots[NameSlotOf(*name)];
            if (slot == 0) {
                m_groups.push_back({*name, 0, 0});
                slot = static_cast<uint32_t>(m_groups.size());
            }
            ++m_groups[slot - 1].count;
            labelGroups.emplace_back(static_cast<uint32_t>(row), slot - 1);
        } else if (GetBranchTarget(action) != nullptr) {
            BranchSlot& slot = m_branchSlots[BranchSlotOf(action)];
            if (slot.branch == nullptr)
                slot = {action, static_cast<uint32_t>(row)};
        }
    }
    // Each group's begin first marks its end, then steps back as the group
    // is filled from its last row, so that it ends at the group's first row.
    uint32_t end = 0;
    for (Group& group : m_groups) {
        end += group.count;
        group.begin = end;
    }
    m_labelRows.resize(labels);
    for (auto it = labelGroups.rbegin(); it != labelGroups.rend(); ++it)
        m_labelRows[--m_groups[it->second].begin] = it->first;
}

size_t LabelIndex::NameSlotOf(std::string_view name) const
{
    const size_t mask = m_nameSlots.size() - 1;
    for (size_t slot = std::hash<std::string_view>()(name) & mask;; slot = (slot + 1) & mask) {
        const uint32_t group = m_nameSlots[slot];
        if (group == 0 || m_groups[group - 1].name == name)
            return slot;
    }
}

size_t LabelIndex::BranchSlotOf(const IStepchain* branch) const
{
    // Heap addresses share their low bits: the top bits of the product,
    // which every bit of the address reaches, pick the slot.
    const int bits = std::countr_zero(m_branchSlots.size());
    const uint64_t mixed = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(branch)) * 0x9E3779B97F4A7C15u;
    const size_t mask = m_branchSlots.size() - 1;
    for (size_t slot = static_cast<size_t>(mixed >> (64 - bits));; slot = (slot + 1) & mask) {
        if (m_branchSlots[slot].branch == nullptr || m_branchSlots[slot].branch == branch)
            return slot;
    }
}

std::span<const uint32_t> LabelIndex::LabelRows(std::string_view name) const
{
    if (m_nameSlots.empty())
        return {};
    const uint32_t group = m_nameSlots[NameSlotOf(name)];
    if (group == 0)
        return {};
    return {m_labelRows.data() + m_groups[group - 1].begin, m_groups[group - 1].count};
}

std::optional<size_t> LabelIndex::BranchRow(const IStepchain* branch) const
{
    if (m_branchSlots.empty())
        return std::nullopt;
    const BranchSlot& slot = m_branchSlots[BranchSlotOf(branch)];
    if (slot.branch != branch)
        return std::nullopt;
    return slot.row;
}
