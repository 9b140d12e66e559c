#pragma once

// Registers the list editor and every settings dialog with the editing hooks
// of the core. The plug-in and the reference host call it once at start.
void StartStepchainUi();
