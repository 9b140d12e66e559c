#include "host/Cp932Utf8.h"

#include "host/Iconv.h"

std::string Cp932ToUtf8(std::string_view text)
{
    // Everything runs on one thread, so one shared descriptor is safe.
    static IconvConverter converter("UTF-8", "CP932");
    std::string out;
    out.reserve(text.size() * 3 / 2);
    for (size_t pos = 0; pos < text.size();) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++pos;
            continue;
        }
        const size_t len = IsCp932LeadByte(c) ? 2 : 1;
        if (pos + len <= text.size() && converter.Convert(text.substr(pos, len), out)) {
            pos += len;
        } else {
            out.push_back('?');
            ++pos;
        }
    }
    return out;
}
