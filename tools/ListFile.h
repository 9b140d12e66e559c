#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "core/CStepchainData.h"

// Input that the tool cannot use; the text is one line for stderr.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads a list file (or standard input for "-"), binary or the text form;
// throws InputError naming the file, the byte offset or JSON path, and what
// was wrong.
std::unique_ptr<CStepchainData> LoadListFile(const std::string& path);

// The list's bytes as the archive stores them; InputError when it cannot.
std::string StoreList(CStepchainData& list);

// Stores the list into `path`, whole or not at all.
void SaveListFile(CStepchainData& list, const std::string& path);
