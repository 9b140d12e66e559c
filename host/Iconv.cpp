#include "host/Iconv.h"

#include <stdexcept>

IconvConverter::IconvConverter(const char* to, const char* from) : m_cd(iconv_open(to, from))
{
    if (m_cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
}

IconvConverter::~IconvConverter() { iconv_close(m_cd); }

bool IconvConverter::Convert(std::string_view in, std::string& out)
{
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    char buffer[16];
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft != 0)
        return false;
    if (iconv(m_cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1))
        return false;
    out.append(buffer, static_cast<size_t>(dst - buffer));
    return true;
}
