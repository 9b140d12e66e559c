#pragma once

#include <string_view>

#include "core/CStepchainData.h"

// Sets the fields of a kind's action that `settings` names, through the
// kind's field table: "Dest=W0|Delta=-1|RangeCheck=1" gives an operand or a
// text (written in UTF-8, held in CP932) or a number; "Source.aux=96" and
// "Dest.kind=2" set those parts of an operand.
void Set(IStepchain& action, std::string_view settings);

// A new action of the kind, owned by `list` but not added to it, with those settings.
IStepchain* Make(CStepchainData& list, int type, std::string_view settings = {});
