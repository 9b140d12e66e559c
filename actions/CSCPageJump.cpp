#include "actions/CSCPageJump.h"

#include "actions/InvalidCheck.h"
#include "actions/ScriptPass.h"
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

constexpr FieldLabel kPage{"page to jump to", u8"ページ指定"};

const std::string& EffectName(int effect)
{
    return T(static_cast<Txt>(static_cast<int>(Txt::PageJumpEffectNone) + effect));
}

}

const ActionFieldTable& CSCPageJump::Fields()
{
    // Every value of the packed mode means something on one model or the other.
    static const ActionFieldTable table{
        "page_jump", {OperandField("m_page", &CSCPageJump::m_page), Int32Field("m_mode", &CSCPageJump::m_mode)}};
    return table;
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
    InvalidCheck check;
    Check(check, layers);
    if (check.Code() != 0) {
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

BOOL CSCPageJump::MergeLimit(DWORD limit) { return (limit & 0x02) == 0; }

std::vector<ScriptText> CSCPageJump::GetScriptTexts()
{
    const int action = host::HasLayers() ? ActionOf(m_mode) : m_mode;
    if (action != GIVEN_PAGE)
        return {};
    return {InScript(kPage, m_page.GetScriptForm())};
}

void CSCPageJump::Check(InvalidCheck& check) { Check(check, host::HasLayers()); }

void CSCPageJump::Check(InvalidCheck& check, bool layers) const
{
    if (m_mode == -1) {
        check.Fail(1, "no page action is chosen", u8"動作が選択されていません");
        return;
    }
    int action = m_mode;
    if (layers) {
        const int effect = EffectOf(m_mode);
        if (effect >= kEffectCount) {
            check.FailWith(2, [effect] {
                return InvalidReason{"effect number " + std::to_string(effect) + " is not one of the 11 effects",
                                     U8(u8"エフェクト番号") + std::to_string(effect) + U8(u8"は範囲外です")};
            });
        }
        action = ActionOf(m_mode);
    }
    if (action == GIVEN_PAGE) {
        check.NeedName(m_page, kPage);
    } else if (action != NEXT_PAGE && action != PREVIOUS_PAGE) {
        check.FailWith(1, [&] {
            const std::string number = std::to_string(action);
            InvalidReason unknown{"page action " + number + " is none of next, previous and given page",
                                  U8(u8"動作の値") + number +
                                      U8(u8"は次ページ・前ページ・指定ページのどれでもありません")};
            if (!layers && (m_mode & ~0xFF) != 0) {
                unknown.english += " (a setting made for a model with layers)";
                unknown.japanese += U8(u8"(レイヤーのある機種での設定です)");
            }
            return unknown;
        });
    }
}
