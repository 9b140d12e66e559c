#include "support/Bytes.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::string Hex(std::string_view spaced)
{
    std::string out;
    unsigned value = 0;
    int digits = 0;
    for (char c : spaced) {
        if (c == ' ')
            continue;
        const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (d < 0)
            throw std::invalid_argument("not a hex digit");
        value = value * 16 + static_cast<unsigned>(d);
        if (++digits == 2) {
            out.push_back(static_cast<char>(value));
            value = 0;
            digits = 0;
        }
    }
    return out;
}

std::string ToHex(std::string_view bytes)
{
    std::string out;
    char buf[4];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, out.empty() ? "%02X" : " %02X", c);
        out += buf;
    }
    return out;
}

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
