#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>

#include "actions/ActionFields.h"
#include "core/CStepchainData.h"
#include "core/CVXMemNode.h"

// Random actions of every kind and random lists of them, for property tests
// and benchmarks. The same seed gives the same actions on every platform.
//
// Every stored field of an action is filled by its kind's field table, by
// the field's type: numbers mostly inside the field's range and now and then
// outside it, texts from the ones the kinds give a meaning and random CP932
// text. What the module itself never keeps is not generated: a memory name
// holding a kind suffix or a NUL, a name marked by the host (0x1A, "%SER%"),
// a message of the communication output that is not held as literal text,
// and a node without a kind suffix of a kind other than its field starts
// with (a load gives it that kind back).
class RandomList {
public:
    explicit RandomList(uint32_t seed) : m_engine(seed) {}

    // A new action of `type` owned by `list` but not added to it.
    IStepchain* Action(CStepchainData& list, int type);
    // Appends `count` actions of random kinds.
    void Fill(CStepchainData& list, size_t count);

    // A number in [0, n); n > 0.
    uint32_t Below(uint32_t n);
    // A number in [low, high].
    int32_t Between(int32_t low, int32_t high);
    bool Chance(int percent) { return Below(100) < static_cast<uint32_t>(percent); }
    // Usually a value in [low, high], now and then any 32-bit value.
    int32_t Code(int32_t low, int32_t high);
    uint32_t Word() { return static_cast<uint32_t>(m_engine()); }
    const char* Pick(std::initializer_list<const char*> choices);

    // A memory name from a small pool (so that names recur in a list), in
    // ASCII or CP932, or a decimal constant; now and then empty.
    std::string MemoryName();
    // A memory name that no call of MemoryName gives.
    std::string FreshMemoryName();
    // Up to `maxChars` characters: ASCII, CP932, and the script's own marks.
    std::string Text(size_t maxChars);
    // An operand for a field that starts with `startKind`, of any kind, with
    // random flags and numbers.
    CVXMemNode Operand(int32_t startKind);
    // A number for a field with the range, or any number.
    int32_t Number(const std::optional<FieldRange>& range);
    // A text for a text field.
    std::string Setting();
    // Fills every stored field of the action.
    void Fill(CSCAction& action);

private:

    std::mt19937 m_engine;
};
