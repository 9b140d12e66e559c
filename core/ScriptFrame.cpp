#include <string>

#include "core/CStepchainData.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "host/HostApi.h"
#include "host/IPWObject.h"

namespace {

constexpr std::string_view kHeading = ";![PAGE] [NAME] [EVENT]\n";
constexpr std::string_view kExitLabel = "\tR_LBL _[NAME]_[EVENT]_Exit\n";
constexpr std::string_view kClsId = "[clsID]";

// The script under construction. After each row every "[clsID]" in the
// whole text becomes that row's line label. Rescanning the whole text after
// every row would be quadratic, so the text keeps `m_scanFrom`: a character
// boundary before which no "[clsID]" can begin any more. Only a match that
// the next row's text completes, or one inside an inserted label (an owner
// name may hold "[clsID]"), can lie after it.
class ScriptText {
public:
    explicit ScriptText(std::string_view start) : m_text(start), m_scanFrom(m_text.size()) {}

    void Append(std::string_view text) { m_text.append(text); }

    void ReplaceClsId(std::string_view label)
    {
        const bool labelHoldsClsId = cp932::Contains(label, kClsId);
        std::string tail;
        tail.reserve(m_text.size() - m_scanFrom + label.size());
        size_t nextScan = std::string::npos;
        // Character starts near the end of the output, newest last.
        size_t recent[kClsId.size()];
        size_t recentCount = 0;
        auto noteStart = [&](size_t pos) {
            if (recentCount == kClsId.size()) {
                for (size_t i = 1; i < recentCount; ++i)
                    recent[i - 1] = recent[i];
                --recentCount;
            }
            recent[recentCount++] = pos;
        };

        const std::string_view text(m_text);
        for (size_t pos = m_scanFrom; pos < text.size();) {
            if (text.compare(pos, kClsId.size(), kClsId) == 0) {
                const size_t at = m_scanFrom + tail.size();
                if (labelHoldsClsId && nextScan == std::string::npos)
                    nextScan = at;
                tail.append(label);
                // A label ends in "_L<row>_": its last bytes are single-byte characters.
                const size_t end = m_scanFrom + tail.size();
                for (size_t i = std::min(label.size(), kClsId.size()); i > 0; --i)
                    noteStart(end - i);
                pos += kClsId.size();
                continue;
            }
            const size_t len = cp932::CharLength(text, pos);
            noteStart(m_scanFrom + tail.size());
            tail.append(text.substr(pos, len));
            pos += len;
        }
        m_text.replace(m_scanFrom, std::string::npos, tail);

        // A character that begins within the last six bytes may begin a match
        // that later text completes; so may a lone lead byte at the very end.
        size_t scan = m_text.size();
        for (size_t i = 0; i < recentCount; ++i) {
            if (recent[i] + kClsId.size() > m_text.size()) {
                scan = recent[i];
                break;
            }
        }
        m_scanFrom = std::min(scan, nextScan);
    }

    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
    size_t m_scanFrom;
};

}

std::string CStepchainData::ExportStr(int mode)
{
    ScriptText script(kHeading);
    const std::string ownerName = m_owner != nullptr ? m_owner->GetObjectName() : std::string();
    auto lineLabel = [&](size_t row) {
        const long long i = static_cast<long long>(row);
        return m_owner != nullptr ? Format("_%s_[EVENT]_L%d_", {ownerName, i}) : Format("_[NAME]_[EVENT]_L%d_", {i});
    };

    if (!host::HasLayers()) {
        for (size_t row = 0; row < m_actions.size(); ++row) {
            const long long i = static_cast<long long>(row);
            const std::string key = m_owner != nullptr ? Format("%s_%d_", {ownerName, i}) : Format("[NAME]_%d_", {i});
            script.Append(m_actions[row]->ExportStr(key, m_owner));
        }
        script.Append(kExitLabel);
        return script.Take();
    }

    if (mode == 0) {
        const std::string initial = PASS_INITIAL;
        for (size_t row = 0; row < m_actions.size(); ++row) {
            script.Append(m_actions[row]->ExportStr(initial, m_owner));
            script.ReplaceClsId(lineLabel(row));
        }
    }
    if (mode == 1) {
        const std::string interval = PASS_INTERVAL;
        for (size_t row = 0; row < m_actions.size(); ++row) {
            script.Append(m_actions[row]->ExportStr(interval, m_owner));
            script.ReplaceClsId(lineLabel(row));
        }
    } else {
        for (size_t row = 0; row < m_actions.size(); ++row) {
            const std::string label = lineLabel(row);
            script.Append(m_actions[row]->ExportStr(label, m_owner));
            script.ReplaceClsId(label);
        }
    }
    if (mode == 0)
        script.Append(kExitLabel);
    return script.Take();
}
