#include "actions/CSCLabel.h"

#include "actions/ScriptPass.h"
#include "core/CStepchainData.h"
#include "core/EditHook.h"
#include "core/Texts.h"

int CSCLabel::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCLabel::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_name;
    else
        ar >> m_name;
}

std::string CSCLabel::ExportStr(const std::string& key, IPWObject*)
{
    return IsMainPass(key) ? Format("\tR_LBL _[NAME]_[EVENT]_%s\n", {m_name}) : std::string();
}

const std::string& CSCLabel::GetCaption()
{
    static std::string caption;
    const int invalid = IsInvalid();
    if (invalid == 1) {
        caption = T(Txt::InputError);
    } else {
        caption = Format(T(Txt::LabelCaption), {m_name});
        if (invalid == -1)
            caption += T(Txt::LabelDuplicate);
    }
    return caption;
}

void CSCLabel::CopyPropertiesFrom(IStepchain* source) { m_name = static_cast<CSCLabel*>(source)->m_name; }

void CSCLabel::PreEdit() {}

void CSCLabel::GetMemNodes(MemNodeArray&) {}

BOOL CSCLabel::CompareProperties(IStepchain* other)
{
    return other->GetActionType() == SC_LABEL && static_cast<CSCLabel*>(other)->m_name == m_name;
}

int CSCLabel::IsInvalid()
{
    if (m_name.empty())
        return 1;
    return m_list->CheckAction(this, 2);
}

BOOL CSCLabel::MergeLimit(DWORD) { return 1; }

void CSCLabel::MemSync(std::string, std::string) {}
