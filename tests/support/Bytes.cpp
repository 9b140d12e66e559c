#include "support/Bytes.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

std::string Hex(std::string_view spaced)
{
    std::string out;
    std::string pair;
    for (char c : spaced) {
        if (c == ' ')
            continue;
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0)
            throw std::invalid_argument("not a hex digit");
        pair += c;
        if (pair.size() == 2)
            out += static_cast<char>(std::stoi(std::exchange(pair, {}), nullptr, 16));
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
