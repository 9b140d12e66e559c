#include "ui/FieldKind.h"

#include "core/CVXMemNode.h"
#include "host/HostApi.h"
#include "ui/CVXMemEditSC.h"

void FieldKind::Remember(const std::string& name, int kind)
{
    m_name = name;
    m_kind = kind;
}

int FieldKind::KindFor(const std::string& name, uint32_t kindMask) const
{
    if (name.empty())
        return CVXMemNode::KIND_MEMORY;
    if (name == m_name && CVXMemEditSC::TakesType(kindMask, m_kind))
        return m_kind;
    bool found = false;
    const int type = host::LookupMemory(name, &found);
    if (found && CVXMemEditSC::TakesType(kindMask, type))
        return type;
    return CVXMemEditSC::RegisterType(kindMask);
}
