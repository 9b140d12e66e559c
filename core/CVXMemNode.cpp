#include "core/CVXMemNode.h"

#include "core/Cp932.h"
#include "host/HostApi.h"

namespace {
constexpr const char* kGraph = "[GRAPH]";
constexpr const char* kText = "[TEXT]";
constexpr const char* kLiteralText = "[LITERAL_TEXT]";
}

void CVXMemNode::CopyFrom(const CVXMemNode& other)
{
    if (&other == this)
        return;
    m_name = other.m_name;
    m_text2 = other.m_text2;
    m_text3 = other.m_text3;
    m_subName = other.m_subName;
    m_value = other.m_value;
    m_aux = other.m_aux;
    m_kind = other.m_kind;
    m_isText = other.m_isText;
    m_flag2 = other.m_flag2;
}

const char* CVXMemNode::KindSuffix(int kind)
{
    switch (kind) {
    case KIND_GRAPH: return kGraph;
    case KIND_TEXT: return kText;
    case KIND_LITERAL_TEXT: return kLiteralText;
    default: return "";
    }
}

void CVXMemNode::Serialize(CArchive& ar, int32_t unmarkedKind)
{
    if (ar.IsStoring()) {
        const DWORD flags = (m_isText != 0 ? 1u : 0u) | (m_flag2 != 0 ? 2u : 0u);
        ar << flags;
        // Half a character at the end would swallow the "[" of a kind
        // suffix and lose the kind; it is stored as loading reads it back.
        if (cp932::EndsWithLoneLeadByte(m_name))
            ar.WriteString(m_name.substr(0, m_name.size() - 1) + '?', KindSuffix(m_kind));
        else
            ar.WriteString(m_name, KindSuffix(m_kind));
        if (m_kind == KIND_TEXT)
            StoreSubName(ar);
        ar << static_cast<LONG>(m_aux) << static_cast<LONG>(m_value);
        return;
    }

    DWORD flags = 0;
    ar >> flags;
    m_isText = (flags & 1u) != 0 ? 1 : 0;
    m_flag2 = (flags & 2u) != 0 ? 1 : 0;
    ar >> m_name;
    // Half a character at the end is no text; as "?" it cannot pair with the
    // "[" of a kind suffix appended when the node is stored again.
    if (cp932::EndsWithLoneLeadByte(m_name))
        m_name.back() = '?';
    // The stored name and the field say the kind: a node loaded a second
    // time must not keep the kind it had.
    m_kind = unmarkedKind;
    m_subName.clear();
    // Every marker begins with "[", which most names do not hold at all.
    if (m_name.find('[') != std::string::npos)
        LoadKind(ar);
    LONG aux = 0;
    LONG value = 0;
    ar >> aux;
    m_aux = aux;
    ar >> value;
    m_value = value;
    if (!m_name.empty() && m_kind != KIND_LITERAL_TEXT)
        host::NodeLoaded(this);
}

void CVXMemNode::LoadKind(CArchive& ar)
{
    if (cp932::Contains(m_name, kGraph)) {
        m_kind = KIND_GRAPH;
        m_name = cp932::RemoveAll(m_name, kGraph);
    } else if (cp932::Contains(m_name, kLiteralText)) {
        m_kind = KIND_LITERAL_TEXT;
        m_name = cp932::RemoveAll(m_name, kLiteralText);
    } else if (cp932::Contains(m_name, kText)) {
        m_kind = KIND_TEXT;
        m_name = cp932::RemoveAll(m_name, kText);
        // Older writers left the second text out; an m_aux of 1 follows directly then.
        DWORD next = 0;
        if (!ar.PeekDWORD(next) || next != 1)
            ar >> m_subName;
    }
    // Removing one marker can join the text around it into another (as in
    // "[GR[GRAPH]APH]"); a name left holding a marker would be read as
    // another kind, or lose text, each time it is stored and loaded again.
    for (bool removed = true; removed;) {
        removed = false;
        for (const char* marker : {kGraph, kLiteralText, kText})
            removed = cp932::ReplaceAllIn(m_name, marker, "") || removed;
    }
}

void CVXMemNode::StoreSubName(CArchive& ar) const
{
    // A second text of one zero byte, followed by an m_aux whose low half is
    // 0, would begin with the bytes 01 00 00 00: loading takes those for an
    // m_aux of 1 with no second text. The long length form keeps it apart.
    if (m_subName.size() == 1 && m_subName[0] == '\0' && (m_aux & 0xFFFF) == 0) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(1);
        ar.Write(m_subName.data(), 1);
        return;
    }
    ar << m_subName;
}

bool CVXMemNode::IsEqual(const CVXMemNode& other) const
{
    if (m_isText != other.m_isText)
        return false;
    return m_isText != 0 ? m_name == other.m_name : m_value == other.m_value;
}

bool CVXMemNode::IsNumberText(const std::string& text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if ((c < '0' || c > '9') && c != '-')
            return false;
    }
    return true;
}

std::string CVXMemNode::GetScriptForm() const
{
    if (m_name.empty())
        return {};
    if (IsNumberText(m_name))
        return "#" + m_name;
    if (cp932::Contains(m_name, kGraph))
        return cp932::RemoveAll(m_name, kGraph);
    return cp932::RemoveAll(m_name, kText);
}

std::string CVXMemNode::GetDisplayText() const
{
    if (IsNumberText(m_name))
        return "#" + m_name;
    return m_name;
}
