#include "core/Archive.h"

#include <bit>
#include <cstring>
#include <utility>

#include "core/Cp932.h"

CArchiveException::CArchiveException(Cause cause, size_t offset, std::string detail)
    : std::runtime_error(CauseName(cause)), m_cause(cause), m_offset(offset), m_detail(std::move(detail))
{
}

void CArchiveException::SetRow(int row) { m_row = row; }

const char* CArchiveException::CauseName(Cause cause)
{
    switch (cause) {
    case endOfFile: return "end of file";
    case badFormat: return "bad format";
    case readOnly: return "archive is loading, cannot store";
    case writeOnly: return "archive is storing, cannot load";
    case tooLong: return "list too long";
    }
    return "archive error";
}

std::string CArchiveException::Describe() const
{
    std::string text = CauseName(m_cause);
    if (m_row > 0)
        text += (m_cause == tooLong || m_cause == readOnly) ? " at row " : " while reading row ";
    if (m_row > 0)
        text += std::to_string(m_row);
    if (!m_detail.empty())
        text += " (" + m_detail + ")";
    text += " at byte offset " + std::to_string(m_offset);
    return text;
}

CArchive::CArchive() : m_mode(store) {}

CArchive::CArchive(std::string_view data) : m_mode(load), m_data(data) {}

CArchive::CArchive(std::string&& data) : m_mode(load), m_data(std::move(data)) {}

const std::string& CArchive::GetStored() const
{
    RequireStoring();
    return m_data;
}

std::string CArchive::TakeStored()
{
    RequireStoring();
    return std::exchange(m_data, std::string());
}

void CArchive::Fail(CArchiveException::Cause cause, std::string detail) const
{
    throw CArchiveException(cause, GetPosition(), std::move(detail));
}

void CArchive::RequireLoading() const
{
    if (!IsLoading())
        Fail(CArchiveException::writeOnly);
}

void CArchive::RequireStoring() const
{
    if (!IsStoring())
        Fail(CArchiveException::readOnly);
}

void CArchive::Need(uint64_t size) const
{
    RequireLoading();
    if (size > m_data.size() - m_pos)
        Fail(CArchiveException::endOfFile);
}

void CArchive::Reserve(size_t size)
{
    if (IsStoring())
        m_data.reserve(size);
}

void CArchive::Write(const void* data, size_t size)
{
    RequireStoring();
    m_data.append(static_cast<const char*>(data), size);
}

void CArchive::Read(void* data, size_t size)
{
    Need(size);
    std::memcpy(data, m_data.data() + m_pos, size);
    m_pos += size;
}

template <typename T>
void CArchive::WriteNumber(T v)
{
    unsigned char bytes[sizeof(T)];
    std::memcpy(bytes, &v, sizeof(T));
    if constexpr (std::endian::native == std::endian::big) {
        for (size_t i = 0; i < sizeof(T) / 2; ++i)
            std::swap(bytes[i], bytes[sizeof(T) - 1 - i]);
    }
    Write(bytes, sizeof(T));
}

template <typename T>
T CArchive::ReadNumber()
{
    unsigned char bytes[sizeof(T)];
    Read(bytes, sizeof(T));
    if constexpr (std::endian::native == std::endian::big) {
        for (size_t i = 0; i < sizeof(T) / 2; ++i)
            std::swap(bytes[i], bytes[sizeof(T) - 1 - i]);
    }
    T v;
    std::memcpy(&v, bytes, sizeof(T));
    return v;
}

CArchive& CArchive::operator<<(BYTE v) { WriteNumber(v); return *this; }
CArchive& CArchive::operator<<(WORD v) { WriteNumber(v); return *this; }
CArchive& CArchive::operator<<(LONG v) { WriteNumber(v); return *this; }
CArchive& CArchive::operator<<(DWORD v) { WriteNumber(v); return *this; }
CArchive& CArchive::operator<<(double v) { WriteNumber(v); return *this; }

CArchive& CArchive::operator>>(BYTE& v) { v = ReadNumber<BYTE>(); return *this; }
CArchive& CArchive::operator>>(WORD& v) { v = ReadNumber<WORD>(); return *this; }
CArchive& CArchive::operator>>(LONG& v) { v = ReadNumber<LONG>(); return *this; }
CArchive& CArchive::operator>>(DWORD& v) { v = ReadNumber<DWORD>(); return *this; }
CArchive& CArchive::operator>>(double& v) { v = ReadNumber<double>(); return *this; }

CArchive& CArchive::operator<<(const std::string& s)
{
    WriteString(s);
    return *this;
}

void CArchive::WriteString(std::string_view head, std::string_view tail)
{
    RequireStoring();
    const uint64_t n = head.size() + tail.size();
    if (n < 0xFF) {
        *this << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(n);
    } else if (n < 0xFFFFFFFF) {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(n);
    } else {
        *this << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << static_cast<DWORD>(0xFFFFFFFF);
        WriteNumber<uint64_t>(n);
    }
    Write(head.data(), head.size());
    Write(tail.data(), tail.size());
}

CArchive& CArchive::operator>>(std::string& s)
{
    RequireLoading();
    const size_t start = m_pos;
    bool wide = false;
    uint64_t length = ReadNumber<BYTE>();
    if (length == 0xFF) {
        length = ReadNumber<WORD>();
        if (length == 0xFFFE) {
            wide = true;
            length = ReadNumber<BYTE>();
            if (length == 0xFF)
                length = ReadNumber<WORD>();
        }
        if (length == 0xFFFF) {
            length = ReadNumber<DWORD>();
            if (length == 0xFFFFFFFF)
                length = ReadNumber<uint64_t>();
        }
    }
    const uint64_t remaining = m_data.size() - m_pos;
    if (length > (wide ? remaining / 2 : remaining)) {
        throw CArchiveException(CArchiveException::endOfFile, start,
                                "string of " + std::to_string(length) + (wide ? " characters" : " bytes") +
                                    ", " + std::to_string(remaining) + " bytes left");
    }
    const size_t bytes = static_cast<size_t>(wide ? length * 2 : length);
    const std::string_view raw(m_data.data() + m_pos, bytes);
    s = wide ? cp932::FromUTF16LE(raw) : std::string(raw);
    m_pos += bytes;
    return *this;
}

bool CArchive::PeekDWORD(DWORD& v) const
{
    RequireLoading();
    if (m_data.size() - m_pos < 4)
        return false;
    const auto* p = reinterpret_cast<const unsigned char*>(m_data.data() + m_pos);
    v = static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
        static_cast<DWORD>(p[3]) << 24;
    return true;
}
