#pragma once

#include <cstddef>
#include <string>

#include "core/CStepchainData.h"
#include "host/HostWindow.h"
#include "host/IPWObject.h"
#include "host/ProjectSettings.h"

// The host of the benchmarks: layers (the sectioned script form) and a model
// that repeats from the periodic code, so that rows carry "[clsID]" names.
// It records nothing, so that repeated runs do not grow it.
class BenchHost : public HostWindow {
public:
    BenchHost();
    ~BenchHost() override;
    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t lParam) override;

private:
    ProjectSettings m_settings;
};

class BenchOwner : public IPWObject {
public:
    std::string GetTypeName() const override { return "BUTTON"; }
    int CanChange(CStepchainData*, int) override { return 1; }
    void OnChanged(IPWProperty*) override {}
    std::string GetObjectName() const override { return "Btn1"; }
};

// Appends `count` random actions of every kind, the same ones for the same count.
void FillMixed(CStepchainData& list, size_t count);

// Appends `count` labels and branches, the same ones for the same count. The
// names come from a pool of about half as many names as rows, so that most
// lookups run far: a branch's label lies below it, above it, on both sides
// or nowhere, and some labels share their name.
void FillFlow(CStepchainData& list, size_t count);

// Appends `count` labels, each with its own name.
void FillLabels(CStepchainData& list, size_t count);

std::string Store(CStepchainData& list);

// Minor page faults of the process so far: fresh memory is what they cost.
long MinorFaults();
