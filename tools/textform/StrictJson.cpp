#include "tools/textform/StrictJson.h"

#include <set>
#include <string>
#include <vector>

#include "tools/textform/FormError.h"

namespace textform {

namespace {

// Follows the parser through the document, so that the path of the value
// being read is known when something goes wrong.
class PathTracker {
public:
    explicit PathTracker(int maxDepth) : m_maxDepth(maxDepth) {}

    bool operator()(int depth, Json::parse_event_t event, Json& parsed)
    {
        switch (event) {
        case Json::parse_event_t::object_start:
        case Json::parse_event_t::array_start:
            if (depth >= m_maxDepth)
                throw FormError(Path(), "nests deeper than " + std::to_string(m_maxDepth) + " levels");
            m_levels.push_back({event == Json::parse_event_t::array_start, 0, {}, false, {}});
            break;
        case Json::parse_event_t::key: {
            Level& level = m_levels.back();
            level.key = parsed.get<std::string>();
            level.hasKey = true;
            if (!level.keys.insert(level.key).second)
                throw FormError(Path(), "is given twice");
            break;
        }
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            m_levels.pop_back();
            ValueDone();
            break;
        case Json::parse_event_t::value:
            ValueDone();
            break;
        }
        return true;
    }

    // The path of the value being read.
    std::string Path() const
    {
        std::string path;
        for (const Level& level : m_levels) {
            if (level.array)
                path = Element(path, level.index);
            else if (level.hasKey)
                path = Member(path, level.key);
        }
        return path;
    }

private:
    struct Level {
        bool array;
        size_t index;
        std::string key;
        bool hasKey;
        std::set<std::string> keys;
    };

    void ValueDone()
    {
        if (m_levels.empty())
            return;
        Level& level = m_levels.back();
        if (level.array)
            ++level.index;
        else
            level.hasKey = false;
    }

    int m_maxDepth;
    std::vector<Level> m_levels;
};

// The library's reason without its "[json.exception...] " prefix.
std::string LibraryReason(const Json::exception& e)
{
    const std::string what = e.what();
    const size_t end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

}

Json ParseStrict(std::string_view text, int maxDepth)
{
    // The parser would take a zero byte for the end of its input and
    // ignore what follows; JSON text never holds one.
    const size_t zero = text.find('\0');
    if (zero != std::string_view::npos)
        throw FormError({}, "a zero byte at byte offset " + std::to_string(zero) + ", which JSON text cannot hold");
    PathTracker tracker(maxDepth);
    try {
        return Json::parse(text.begin(), text.end(),
                           [&tracker](int depth, Json::parse_event_t event, Json& parsed) {
                               return tracker(depth, event, parsed);
                           });
    } catch (const Json::exception& e) {
        throw FormError(tracker.Path(), LibraryReason(e));
    }
}

}
