#pragma once

#include <cstdint>
#include <string>

// The kind of memory (ordinary or text) that the name in a memory-name field
// stands for. It decides what the panel does with the memory, so it must
// follow the name the field finally holds, however the name got there: the
// kind is known for the name the field was loaded with and for every name
// that the picker or the field's check reported; any other name (typed with
// no host to check it, or with Ctrl held) is asked of the host, and a name
// the host does not know is what the field would register it as.
class FieldKind {
public:
    void Remember(const std::string& name, int kind);
    // The kind for `name` in a field that takes the kinds of `kindMask`; 0 for an empty name.
    int KindFor(const std::string& name, uint32_t kindMask) const;

private:
    std::string m_name;
    int m_kind = 0;
};
