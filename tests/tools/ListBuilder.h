#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "actions/CSCLabel.h"
#include "actions/CSCSetValue.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/Stored.h"

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

// A list from words: "R" a redraw, "D=S" a set value of S to D, any other word a label of that name.
inline std::unique_ptr<CStepchainData> Listed(const std::string& words)
{
    auto list = std::make_unique<CStepchainData>();
    std::istringstream in(words);
    for (std::string word; in >> word;) {
        if (word == "R")
            list->AddSC(list->CreateSC(SC_REFSH));
        else if (const size_t equals = word.find('='); equals != std::string::npos)
            SetValue(*list, word.substr(0, equals), word.substr(equals + 1));
        else
            Label(*list, word);
    }
    return list;
}

// A list of one action of each kind, as created.
inline std::unique_ptr<CStepchainData> EveryKind()
{
    auto list = std::make_unique<CStepchainData>();
    for (int type = 0; type < SC_TYPE_COUNT; ++type)
        list->AddSC(list->CreateSC(type));
    return list;
}

// The stored bytes of the list that `fill` builds.
inline std::string Stored(const std::function<void(CStepchainData&)>& fill)
{
    CStepchainData list;
    fill(list);
    return StoredBytes(list);
}

inline std::string Stored(const std::string& words) { return StoredBytes(*Listed(words)); }
