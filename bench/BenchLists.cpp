#include "BenchLists.h"

#include <sys/resource.h>

#include "actions/CSCBranch.h"
#include "actions/CSCLabel.h"
#include "host/HostMessages.h"
#include "support/RandomList.h"

BenchHost::BenchHost()
{
    m_settings.ModelName = "PW-CAVO10";
    m_settings.DefaultAutoRepeat = 1;
    m_settings.RepeatStartTime = 50;
    m_settings.RepeatInterval = 10;
    m_settings.AccelerationTime = 25;
    m_settings.LayerCheck = 1;
    SetMainWindow(this);
}

BenchHost::~BenchHost() { SetMainWindow(nullptr); }

intptr_t BenchHost::OnMessage(uint32_t msg, uintptr_t, intptr_t)
{
    switch (msg) {
    case hostmsg::PROJECT_SETTINGS: return reinterpret_cast<intptr_t>(&m_settings);
    case hostmsg::LAYER_SUPPORT: return 1;
    default: return 0;
    }
}

void FillMixed(CStepchainData& list, size_t count) { RandomList(static_cast<uint32_t>(count)).Fill(list, count); }

void FillFlow(CStepchainData& list, size_t count)
{
    RandomList random(static_cast<uint32_t>(count));
    const auto names = static_cast<uint32_t>(count / 2 + 1);
    for (size_t i = 0; i < count; ++i) {
        const std::string name = std::string("L").append(std::to_string(random.Below(names)));
        if (random.Chance(50)) {
            auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
            label->m_name = name;
            list.AddSC(label);
        } else {
            auto* branch = static_cast<CSCBranch*>(list.CreateSC(SC_BRANCH));
            branch->Label = name;
            list.AddSC(branch);
        }
    }
}

void FillLabels(CStepchainData& list, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        label->m_name = std::string("L").append(std::to_string(i));
        list.AddSC(label);
    }
}

std::string Store(CStepchainData& list)
{
    CArchive ar;
    list.Serialize(ar);
    return ar.GetStored();
}

long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}
