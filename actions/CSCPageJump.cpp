#include "actions/CSCPageJump.h"

#include "actions/ScriptPass.h"
#include "core/EditHook.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

enum Action { NEXT_PAGE = 0, PREVIOUS_PAGE = 1, GIVEN_PAGE = 2 };

constexpr int kEffectCount = 11;
static_assert(static_cast<int>(Txt::PageJumpEffectFade) - static_cast<int>(Txt::PageJumpEffectNone) + 1 == kEffectCount,
              "the effect names are looked up by effect index");

int ActionOf(int32_t mode) { return mode & 0xFF; }
int EffectOf(int32_t mode) { return static_cast<int>((static_cast<uint32_t>(mode) >> 16) & 127u); }
int LayerBitOf(int32_t mode) { return static_cast<int>(static_cast<uint32_t>(mode) >> 31); }

const std::string& EffectName(int effect)
{
    return T(static_cast<Txt>(static_cast<int>(Txt::PageJumpEffectNone) + effect));
}

}

int CSCPageJump::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

void CSCPageJump::Serialize(CArchive& ar)
{
    m_page.Serialize(ar);
    if (ar.IsStoring())
        ar << m_mode;
    else
        ar >> m_mode;
}

std::string CSCPageJump::ExportStr(const std::string& key, IPWObject*)
{
    if (!IsMainPass(key))
        return {};
    if (!host::HasLayers()) {
        switch (m_mode) {
        case NEXT_PAGE: return "\tEXPR LAYER1=LAYER1+#1\n";
        case PREVIOUS_PAGE: return "\tEXPR LAYER1=LAYER1-#1\n";
        case GIVEN_PAGE: return Format("\tMOV LAYER1 %s\n", {m_page.GetScriptForm()});
        default: return {};
        }
    }
    // An effect index beyond the table is written as stored; IsInvalid flags it.
    const long long layer = LayerBitOf(m_mode);
    const long long effect = EffectOf(m_mode);
    switch (ActionOf(m_mode)) {  // -1 gives 255: nothing is written
    case NEXT_PAGE:
        return Format("\tEDIM tmpW W\n\tEXPR tmpW=LAYER1+#1\n\tCHANGE_PAGE %d %d tmpW\n", {layer, effect});
    case PREVIOUS_PAGE:
        return Format("\tEDIM tmpW W\n\tEXPR tmpW=LAYER1-#1\n\tCHANGE_PAGE %d %d tmpW\n", {layer, effect});
    case GIVEN_PAGE:
        return Format("\tCHANGE_PAGE %d %d %s\n", {layer, effect, m_page.GetScriptForm()});
    default:
        return {};
    }
}

const std::string& CSCPageJump::GetCaption()
{
    static std::string caption;
    const bool layers = host::HasLayers();
    if (Invalid(layers) != 0) {
        caption = T(Txt::InputError);
        return caption;
    }
    if (!layers) {
        switch (m_mode) {
        case NEXT_PAGE: caption = T(Txt::PageJumpNext); break;
        case PREVIOUS_PAGE: caption = T(Txt::PageJumpPrevious); break;
        default: caption = Format(T(Txt::PageJumpGiven), {m_page.m_name}); break;
        }
        return caption;
    }
    // A valid action's effect index lies inside the table.
    const std::string& effect = EffectName(EffectOf(m_mode));
    switch (ActionOf(m_mode)) {
    case NEXT_PAGE: caption = Format(T(Txt::PageJumpNextLayered), {effect}); break;
    case PREVIOUS_PAGE: caption = Format(T(Txt::PageJumpPreviousLayered), {effect}); break;
    default:
        caption = Format(T(Txt::PageJumpGivenLayered), {LayerBitOf(m_mode) + 1LL, m_page.m_name, effect});
        break;
    }
    return caption;
}

void CSCPageJump::CopyPropertiesFrom(IStepchain* source)
{
    const auto* other = static_cast<CSCPageJump*>(source);
    m_page = other->m_page;
    m_mode = other->m_mode;
}

void CSCPageJump::PreEdit() {}

void CSCPageJump::GetMemNodes(MemNodeArray& nodes) { nodes.push_back(&m_page); }

BOOL CSCPageJump::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_PAGEJUMP)
        return 0;
    const auto* jump = static_cast<CSCPageJump*>(other);
    return m_page == jump->m_page && m_mode == jump->m_mode;
}

int CSCPageJump::IsInvalid() { return Invalid(host::HasLayers()); }

int CSCPageJump::Invalid(bool layers) const
{
    int action = m_mode;
    if (layers) {
        if (m_mode == -1)
            return 1;
        if (EffectOf(m_mode) >= kEffectCount)
            return 2;
        action = ActionOf(m_mode);
    }
    switch (action) {
    case NEXT_PAGE:
    case PREVIOUS_PAGE: return 0;
    case GIVEN_PAGE: return m_page.m_name.empty() ? 1 : 0;
    default: return 1;
    }
}

BOOL CSCPageJump::MergeLimit(DWORD limit) { return (limit & 0x02) == 0; }

void CSCPageJump::MemSync(std::string, std::string) {}
