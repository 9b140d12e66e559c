#pragma once

// The module's application object: one, made when the host loads the module
// and destroyed when it unloads it.
//
// The editor keeps its window placement in the profile of this application,
// organisation "VESKAROLIN", application "Panelwright" (ui/WindowPlacement.h);
// Qt needs no registry key set for that.
class CStepchainApp {
public:
    CStepchainApp() { InitInstance(); }
    ~CStepchainApp() { ExitInstance(); }
    CStepchainApp(const CStepchainApp&) = delete;
    CStepchainApp& operator=(const CStepchainApp&) = delete;

    // Registers the editor and the settings dialogs with the editing hooks.
    void InitInstance();
    // Takes the shared edit button out of the host's window: its code leaves
    // with the module.
    void ExitInstance();
};
