#pragma once

#include <string>

#include "core/Archive.h"

class CStepchainData;
class IStepchain;
class QWidget;

// The user interface registers its dialogs here when the module starts; the
// core opens them only through these hooks. Without a hook nothing opens and
// the answer is IDCANCEL, so nothing is ever reported as edited.
using ActionEditHook = int (*)(IStepchain* action, QWidget* parent, DWORD limit);
using ListEditHook = int (*)(CStepchainData* list, QWidget* parent, DWORD limit, const std::string& key);

void SetActionEditHook(int typeId, ActionEditHook hook);
void SetListEditHook(ListEditHook hook);

int RunActionEditHook(IStepchain* action, QWidget* parent, DWORD limit);
int RunListEditHook(CStepchainData* list, QWidget* parent, DWORD limit, const std::string& key);
