#pragma once

#include <functional>
#include <string>

#include "actions/CSCLabel.h"
#include "actions/CSCSetValue.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"

// Appends a new action of the kind to the list.
template <typename A>
A& Add(CStepchainData& list, int type)
{
    auto* action = static_cast<A*>(list.CreateSC(type));
    list.AddSC(action);
    return *action;
}

// A label named in UTF-8.
inline void Label(CStepchainData& list, const std::string& name) { Add<CSCLabel>(list, SC_LABEL).m_name = Sj(name); }

inline void SetValue(CStepchainData& list, const std::string& dest, const std::string& source)
{
    auto& set = Add<CSCSetValue>(list, SC_SETVALUE);
    set.Dest.m_name = dest;
    set.Source.m_name = source;
}

// The stored bytes of the list that `fill` builds.
inline std::string Stored(const std::function<void(CStepchainData&)>& fill)
{
    CStepchainData list;
    fill(list);
    CArchive ar;
    list.Serialize(ar);
    return ar.GetStored();
}
