#include "plugin/CStepchainApp.h"

#include "plugin/CPropStepchainEdit.h"
#include "ui/UiStart.h"

namespace {
CStepchainApp theApp;
}

void CStepchainApp::InitInstance() { StartStepchainUi(); }

void CStepchainApp::ExitInstance() { CPropStepchainEdit::Destroy(); }
