#include "BenchLists.h"

#include <sys/resource.h>

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
