#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/WinTypes.h"

// A failure of the archive, with the kind of failure and where it happened.
class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        endOfFile,  // the stream ended before a read was complete
        badFormat,  // the bytes do not form what was expected
        readOnly,   // a store on a loading archive
        writeOnly,  // a load from a storing archive
        tooLong,    // a list too long for its 16-bit count
    };

    CArchiveException(Cause cause, size_t offset, std::string detail = {});

    Cause GetCause() const { return m_cause; }
    size_t GetOffset() const { return m_offset; }
    // The 1-based row of the list being read or written, 0 when unknown.
    int GetRow() const { return m_row; }
    void SetRow(int row);
    // One line for people: what went wrong, the row and the byte offset.
    std::string Describe() const;

    static const char* CauseName(Cause cause);

private:
    Cause m_cause;
    size_t m_offset;
    int m_row = 0;
    std::string m_detail;
};

// A binary stream in the project file's format: little-endian numbers and
// length-prefixed strings. A loading archive reads a buffer of its own; a
// storing archive collects the bytes it is given.
class CArchive {
public:
    enum Mode { load, store };

    // A storing archive.
    CArchive();
    // A loading archive over a copy of `data`.
    explicit CArchive(std::string_view data);
    // A loading archive over `data` itself, which it takes over.
    explicit CArchive(std::string&& data);

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    // Bytes read so far (loading) or written so far (storing).
    size_t GetPosition() const { return IsLoading() ? m_pos : m_data.size(); }
    size_t GetRemaining() const { return IsLoading() ? m_data.size() - m_pos : 0; }
    // The bytes stored so far.
    const std::string& GetStored() const;
    // The bytes stored so far, taken out of the archive, which is left empty.
    std::string TakeStored();

    // Room for `size` bytes stored in all; a loading archive ignores it.
    void Reserve(size_t size);

    void Write(const void* data, size_t size);
    void Read(void* data, size_t size);

    CArchive& operator<<(BYTE v);
    CArchive& operator<<(WORD v);
    CArchive& operator<<(LONG v);
    CArchive& operator<<(DWORD v);
    CArchive& operator<<(double v);
    CArchive& operator<<(const std::string& s);  // archived string
    // One archived string of `head` followed by `tail`.
    void WriteString(std::string_view head, std::string_view tail = {});

    CArchive& operator>>(BYTE& v);
    CArchive& operator>>(WORD& v);
    CArchive& operator>>(LONG& v);
    CArchive& operator>>(DWORD& v);
    CArchive& operator>>(double& v);
    CArchive& operator>>(std::string& s);  // archived string, wide form converted

    // The next four bytes as a DWORD without consuming them; false when
    // fewer than four bytes remain.
    bool PeekDWORD(DWORD& v) const;

    // Fails unless the archive is loading (storing): write-only (read-only).
    void RequireLoading() const;
    void RequireStoring() const;

    [[noreturn]] void Fail(CArchiveException::Cause cause, std::string detail = {}) const;

private:
    template <typename T>
    void WriteNumber(T v);
    template <typename T>
    T ReadNumber();
    void Need(uint64_t size) const;

    Mode m_mode;
    std::string m_data;
    size_t m_pos = 0;
};
