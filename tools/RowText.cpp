#include "tools/RowText.h"

#include "core/Cp932.h"
#include "core/Texts.h"

std::string KindText(IStepchain* action) { return cp932::ToUTF8(KindName(action->GetActionType())); }

std::string CaptionLine(IStepchain* action) { return cp932::ToUTF8(cp932::RemoveAll(action->GetCaption(), "\n")); }

std::string KindAndCaption(IStepchain* action)
{
    const std::string caption = CaptionLine(action);
    return caption.empty() ? KindText(action) : KindText(action) + ": " + caption;
}
