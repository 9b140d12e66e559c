#pragma once

#include <memory>
#include <string>

class CStepchainData;
class IPWProperty;

// The list file being edited: read once when the session starts, written
// back whole or not at all, in the form it was read in (the binary list
// frame, or the JSON text form).
class ListDocument {
public:
    // Reads `path`. A file that does not exist yet is an empty list. Throws
    // InputError (one line) when the file exists but cannot be read or is
    // no list, or when there is no folder to write it into.
    explicit ListDocument(std::string path);
    ~ListDocument();

    // Puts the list read into the value of `property`: a binary list through
    // the property's own loading, as the host loads a project; the text form
    // copied in. Throws InputError when the bytes are no list.
    void LoadInto(IPWProperty& property);
    // Writes the property's value to the file. Throws InputError.
    void Save(IPWProperty& property);

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::string m_bytes;
    bool m_isTextForm = false;
    // The list the text form described, until it is loaded.
    std::unique_ptr<CStepchainData> m_described;
    std::string m_notTextForm;
};
