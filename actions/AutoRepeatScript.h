#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Archive.h"

// The repeat settings of an action with auto-repeat, as the action stores them.
struct AutoRepeatSwitches {
    DWORD autoRepeat;  // on only when 1
    DWORD accelerate;  // on only when 1
    DWORD beep;        // on when non-zero
};

// The step that the frame wraps: one text per indentation, the opening line
// of the periodic pass, and the operand placeholders with their script forms,
// filled in this order after the frame's own placeholders.
struct AutoRepeatStep {
    std::string mainForm;
    std::string intervalForm;
    std::string loopForm;  // every line begins with "\t[TAB]"
    std::string intervalOpening;
    std::vector<std::pair<std::string_view, std::string>> operands;
};

// The switches a new action starts with: the host's project defaults.
AutoRepeatSwitches DefaultAutoRepeatSwitches();

// The stored switches word: bit 0 auto-repeat, bit 1 beep.
DWORD PackRepeatWord(DWORD autoRepeat, DWORD beep);
void UnpackRepeatWord(DWORD word, DWORD& autoRepeat, DWORD& beep);

// Whether the host's model repeats in a wait loop that blocks the event's
// code; models named with "CAVO" repeat from the periodic code instead.
// Each step that repeats in a wait loop ends it at the end label
// [NAME]_[EVENT]_End, so two of them in one event define it twice.
bool AutoRepeatBlocks();

// The script of one pass for a step that may repeat while the button is held,
// in the variant that AutoRepeatBlocks chooses.
std::string ExportAutoRepeatScript(const std::string& key, const AutoRepeatSwitches& switches,
                                   const AutoRepeatStep& step);
