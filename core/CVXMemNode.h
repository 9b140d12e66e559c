#pragma once

#include <cstdint>
#include <string>

#include "core/Archive.h"

// An operand of an action: a memory name or a constant, with its kind.
class CVXMemNode {
public:
    enum Kind { KIND_MEMORY = 0, KIND_GRAPH = 1, KIND_TEXT = 2, KIND_LITERAL_TEXT = 3 };

    CVXMemNode() = default;
    // A copy takes every field that the archive holds, and texts 2 and 3.
    CVXMemNode(const CVXMemNode& other) { CopyFrom(other); }
    CVXMemNode& operator=(const CVXMemNode& other)
    {
        CopyFrom(other);
        return *this;
    }
    void CopyFrom(const CVXMemNode& other);

    // Stores the node, or loads it and tells the host about it. A stored
    // name without a kind marker loads as `unmarkedKind`, the kind that the
    // node's field starts with, so that the same bytes loaded into the same
    // field always give the same kind.
    void Serialize(CArchive& ar, int32_t unmarkedKind = KIND_MEMORY);

    // Equal flags, and equal names (held as text) or values (held as number).
    bool IsEqual(const CVXMemNode& other) const;
    bool operator==(const CVXMemNode& other) const { return IsEqual(other); }

    // The script form: empty, "#" before a number, or the name without kind suffix.
    std::string GetScriptForm() const;
    // The form shown in captions: empty, "#" before a number, or the name as stored.
    std::string GetDisplayText() const;
    // True when every character is a digit or "-" (and there is at least one).
    static bool IsNumberText(const std::string& text);

    // "[GRAPH]", "[TEXT]", "[LITERAL_TEXT]" or "" for a kind.
    static const char* KindSuffix(int kind);

private:
    // The kind that the markers in a loaded name give, the markers removed.
    void LoadKind(CArchive& ar);
    void StoreSubName(CArchive& ar) const;

public:
    const CVXMemNode* m_self = this;
    std::string m_name;
    std::string m_text2;
    std::string m_text3;
    std::string m_text4;
    std::string m_subName;
    int32_t m_value = 0;
    int32_t m_aux = 1;
    int32_t m_kind = KIND_MEMORY;
    int32_t m_fieldA = 0;
    int32_t m_isText = 1;
    int32_t m_fieldB = 0;
    int32_t m_flag2 = 0;
};
