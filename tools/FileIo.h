#pragma once

#include <stdexcept>
#include <string>

// A failure to read or write a file, said in one line.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole file, or standard input for "-".
std::string ReadWholeFile(const std::string& path);

// Writes the file whole or not at all: a temporary file beside it, flushed
// to disk, then renamed over the target.
void WriteFileAtomically(const std::string& path, const std::string& bytes);
