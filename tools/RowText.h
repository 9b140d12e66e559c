#pragma once

#include <string>

#include "core/IStepchain.h"

// The kind name of an action, in UTF-8.
std::string KindText(IStepchain* action);

// The caption of an action on one line of UTF-8; some captions end in a line feed.
std::string CaptionLine(IStepchain* action);

// "KIND: CAPTION", or the kind alone when the caption is empty.
std::string KindAndCaption(IStepchain* action);
