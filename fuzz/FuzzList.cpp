// Loads any bytes as an action list and, when they load, drives every
// operation of the list over it: what loads must store, load and store again
// to the same bytes, and nothing may crash or read out of bounds.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "actions/CSCAction.h"
#include "core/CStepchainData.h"
#include "host/HostMessages.h"
#include "host/HostWindow.h"
#include "host/ProjectSettings.h"

namespace {

// A host whose answers come from the fuzzed input.
class FuzzHost : public HostWindow {
public:
    intptr_t OnMessage(uint32_t msg, uintptr_t wParam, intptr_t) override
    {
        switch (msg) {
        case hostmsg::PROJECT_SETTINGS:
            return hasSettings ? reinterpret_cast<intptr_t>(&settings) : 0;
        case hostmsg::LAYER_SUPPORT:
            return layers ? 1 : 0;
        case hostmsg::FEATURE_QUERY:
            return features ? hostmsg::FEATURE_PRESENT_MASK : 0;
        case hostmsg::TRANSLATE_LINK:
            // A host rewrites old link forms into current ones: doing it twice
            // changes nothing more, like this upper-casing.
            if (translateLinks) {
                for (char& c : *reinterpret_cast<std::string*>(wParam))
                    c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
            }
            return 0;
        default:
            return 0;
        }
    }

    bool hasSettings = true;
    bool layers = false;
    bool features = false;
    bool translateLinks = false;
    ProjectSettings settings;
};

// The input: a header that sets the host's answers and the parameters,
// then the list bytes.
//   byte 0        bits: 1 settings record, 2 features, 4 translate links,
//                 8 layer check, 16 a periodic-variant model
//   bytes 1-3     default auto-repeat, acceleration, beep (each mod 3)
//   bytes 4-15    repeat start time, repeat interval, acceleration time
//   bytes 16-19   limit word
//   then two names, each a length byte (mod 17) and its bytes
class Header {
public:
    Header(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    uint32_t Word()
    {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= static_cast<uint32_t>(Byte()) << (8 * i);
        return v;
    }
    std::string Name()
    {
        const size_t length = std::min<size_t>(Byte() % 17, m_size - std::min(m_pos, m_size));
        std::string name(reinterpret_cast<const char*>(m_data + m_pos), length);
        m_pos += length;
        return name;
    }
    std::string Rest() const
    {
        return m_pos < m_size ? std::string(reinterpret_cast<const char*>(m_data + m_pos), m_size - m_pos) : std::string();
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Header input(data, size);
    FuzzHost host;
    const uint8_t flags = input.Byte();
    host.hasSettings = (flags & 1) != 0;
    host.features = (flags & 2) != 0;
    host.translateLinks = (flags & 4) != 0;
    host.settings.LayerCheck = (flags & 8) != 0;
    host.settings.ModelName = (flags & 16) != 0 ? "PW-CAVO10" : "PW-50";
    host.settings.DefaultAutoRepeat = input.Byte() % 3;
    host.settings.DefaultAccelerate = input.Byte() % 3;
    host.settings.DefaultBeep = input.Byte() % 3;
    host.settings.RepeatStartTime = input.Word();
    host.settings.RepeatInterval = input.Word();
    host.settings.AccelerationTime = input.Word();
    const uint32_t limit = input.Word();
    const std::string oldName = input.Name();
    const std::string newName = input.Name();
    const std::string bytes = input.Rest();
    SetMainWindow(&host);

    CStepchainData list;
    try {
        CArchive ar(bytes);
        list.Serialize(ar);
    } catch (const CArchiveException&) {
        SetMainWindow(nullptr);
        return 0;
    }

    const std::string stored = Store(list);
    CStepchainData again;
    CArchive reload(stored);
    again.Serialize(reload);
    Check(reload.GetRemaining() == 0, "the stored list reads back whole");
    Check(Store(again) == stored, "store, load and store give the same bytes");
    Check(again.CompareProperties(&list) == 1, "a loaded copy compares equal");

    CStepchainData copy;
    copy.CopyPropertiesFrom(&list);
    Check(copy.CompareProperties(&list) == 1, "a copy compares equal");
    Check(Store(copy) == stored, "a copy stores the same bytes");

    for (bool layers : {false, true}) {
        host.layers = layers;
        for (int mode : {0, 1, 2})
            Check(copy.ExportStr(mode) == list.ExportStr(mode), "a copy generates the same script");
    }
    list.ExportSpecStr();
    list.ExportSpecKeywordRaw();
    list.IsInvalid();
    for (IStepchain* action : list.GetActions()) {
        CSCAction* kind = CSCAction::AsAction(action);
        Check(kind->GetInvalidReasons().empty() == (action->IsInvalid() == 0), "reasons exactly when invalid");
        kind->GetScriptTexts();
    }
    list.GetCaption();

    list.MemSync(oldName, newName);
    list.SetLimit(limit);
    list.MergeLimit();
    Store(list);
    SetMainWindow(nullptr);
    return 0;
}
