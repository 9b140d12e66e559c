#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>

#include "core/CVXMemNode.h"
#include "core/CStepchainData.h"

// Random actions of every kind and random lists of them, for property tests
// and benchmarks. The same seed gives the same actions on every platform.
//
// Settings are filled through the actions' public fields, codes and switches
// now and then outside the ranges the dialogs offer. What the module itself
// never keeps is not generated: a memory name holding a kind suffix or a NUL,
// a name marked by the host (0x1A, "%SER%"), a message of the communication
// output that is not held as literal text, and a node without a kind suffix
// whose action starts it with a kind other than an ordinary memory (a load
// gives it that kind back).
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
    // An operand of any kind, with random flags and numbers.
    CVXMemNode Node();

private:
    std::string LabelName();
    std::string LinkTarget();

    void Fill(IStepchain* action);

    std::mt19937 m_engine;
};
