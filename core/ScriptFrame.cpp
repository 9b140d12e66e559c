#include <algorithm>
#include <string>
#include <vector>

#include "core/CStepchainData.h"
#include "core/Cp932.h"
#include "core/Prefetch.h"
#include "core/RowSample.h"
#include "core/Texts.h"
#include "host/HostApi.h"
#include "host/IPWObject.h"

namespace {

constexpr std::string_view kHeading = ";![PAGE] [NAME] [EVENT]\n";
constexpr std::string_view kExitLabel = "\tR_LBL _[NAME]_[EVENT]_Exit\n";
constexpr std::string_view kClsId = "[clsID]";

// A list of 65,535 mixed actions takes some 27 MB; the largest kind of
// action takes about a kilobyte, all of which its script may read.
constexpr size_t kRowsAhead = 4;
constexpr size_t kActionBytes = 1024;

// The script under construction. After each row every "[clsID]" in the
// whole text becomes that row's line label. Rescanning the whole text after
// every row would be quadratic, so the text keeps `m_scanFrom`: a character
// start before which no "[clsID]" can begin any more. Only a match that the
// next row's text completes, or one inside an inserted label (an owner name
// may hold "[clsID]"), can lie after it.
class ScriptText {
public:
    explicit ScriptText(std::string_view start) : m_text(start), m_scanFrom(m_text.size()) {}

    void Append(std::string_view text) { m_text.append(text); }

    // `labelOf` gives the row's label; it is asked only when there is a
    // match, as most rows of the passes before the last have none.
    template <typename LabelOf>
    void ReplaceClsId(const LabelOf& labelOf)
    {
        // A byte-wise search proposes the matches; those inside a character do not count.
        m_matches.clear();
        size_t pos = m_scanFrom;
        for (size_t match = m_text.find(kClsId, pos); match != std::string::npos; match = m_text.find(kClsId, pos)) {
            pos = cp932::CharStartAtOrAfter(m_text, pos, match);
            if (pos == match) {
                m_matches.push_back(match);
                pos = match + kClsId.size();
            }
        }

        size_t nextScan = std::string::npos;
        if (!m_matches.empty()) {
            const std::string label = labelOf();
            const size_t first = m_matches.front();
            std::string tail;
            tail.reserve(m_text.size() - first + m_matches.size() * label.size());
            size_t copied = first;
            for (size_t match : m_matches) {
                tail.append(m_text, copied, match - copied).append(label);
                copied = match + kClsId.size();
            }
            tail.append(m_text, copied);
            m_text.replace(first, std::string::npos, tail);
            pos = first;
            if (cp932::Contains(label, kClsId))
                nextScan = first;
        }

        // A character that begins within the last six bytes may begin a match
        // that later text completes; so may a lone lead byte at the very end.
        // Every character before `pos` begins earlier than the last six bytes.
        const size_t lastSix = m_text.size() >= kClsId.size() - 1 ? m_text.size() - (kClsId.size() - 1) : 0;
        const size_t scan = pos >= lastSix ? pos : cp932::CharStartAtOrAfter(m_text, pos, lastSix);
        m_scanFrom = std::min(scan, nextScan);
    }

    size_t Size() const { return m_text.size(); }
    void Reserve(size_t size) { m_text.reserve(size); }
    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
    size_t m_scanFrom;
    std::vector<size_t> m_matches;
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
    // The last pass writes most of the script: its first rows size the whole.
    auto reserveAfter = [&](const RowSample& sample, size_t done) {
        if (const size_t room = sample.RoomAfter(done, script.Size()))
            script.Reserve(room);
    };

    if (!host::HasLayers()) {
        const RowSample sample(m_actions.size(), script.Size());
        for (size_t row = 0; row < m_actions.size(); ++row) {
            FetchAhead(m_actions, row, kRowsAhead, kActionBytes);
            const long long i = static_cast<long long>(row);
            const std::string key = m_owner != nullptr ? Format("%s_%d_", {ownerName, i}) : Format("[NAME]_%d_", {i});
            script.Append(m_actions[row]->ExportStr(key, m_owner));
            reserveAfter(sample, row + 1);
        }
        script.Append(kExitLabel);
        return script.Take();
    }

    if (mode == 0) {
        const std::string initial = PASS_INITIAL;
        for (size_t row = 0; row < m_actions.size(); ++row) {
            FetchAhead(m_actions, row, kRowsAhead, kActionBytes);
            script.Append(m_actions[row]->ExportStr(initial, m_owner));
            script.ReplaceClsId([&] { return lineLabel(row); });
        }
    }
    const RowSample sample(m_actions.size(), script.Size());
    if (mode == 1) {
        const std::string interval = PASS_INTERVAL;
        for (size_t row = 0; row < m_actions.size(); ++row) {
            FetchAhead(m_actions, row, kRowsAhead, kActionBytes);
            script.Append(m_actions[row]->ExportStr(interval, m_owner));
            script.ReplaceClsId([&] { return lineLabel(row); });
            reserveAfter(sample, row + 1);
        }
    } else {
        for (size_t row = 0; row < m_actions.size(); ++row) {
            FetchAhead(m_actions, row, kRowsAhead, kActionBytes);
            const std::string label = lineLabel(row);
            script.Append(m_actions[row]->ExportStr(label, m_owner));
            script.ReplaceClsId([&] { return label; });
            reserveAfter(sample, row + 1);
        }
    }
    if (mode == 0)
        script.Append(kExitLabel);
    return script.Take();
}
