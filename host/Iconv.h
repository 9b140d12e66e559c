#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

// One iconv descriptor for one direction of conversion, converting one
// character at a time so that a character without a form in the target can
// be replaced and conversion go on.
class IconvConverter {
public:
    // Throws std::runtime_error when iconv does not know the pair.
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts one whole character and appends it; false when it has no form in the target.
    bool Convert(std::string_view in, std::string& out);

private:
    iconv_t m_cd;
};
