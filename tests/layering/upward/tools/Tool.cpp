#include "support/FakeHost.h"
#include "core/CStepchainData.h"
#include "ui/Editor.h"
