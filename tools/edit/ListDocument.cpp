#include "tools/edit/ListDocument.h"

#include <filesystem>

#include "core/Archive.h"
#include "core/CStepchainData.h"
#include "host/IPWProperty.h"
#include "tools/FileIo.h"
#include "tools/ListFile.h"
#include "tools/textform/TextForm.h"

ListDocument::ListDocument(std::string path) : m_path(std::move(path))
{
    namespace fs = std::filesystem;
    std::error_code error;
    const bool exists = fs::exists(m_path, error);
    if (error)
        throw InputError(m_path + ": cannot read: " + error.message());
    if (!exists) {
        const fs::path folder = fs::path(m_path).parent_path();
        if (!folder.empty() && !fs::is_directory(folder, error))
            throw InputError(m_path + ": there is no folder " + folder.string() + " to write it into");
        return;
    }
    try {
        m_bytes = ReadWholeFile(m_path);
        m_described = textform::TryBuild(m_bytes, m_notTextForm);
        m_isTextForm = m_described != nullptr;
    } catch (const FileError& e) {
        throw InputError(m_path + ": " + e.what());
    } catch (const textform::FormError& e) {
        throw InputError(m_path + ": " + e.what());
    }
}

ListDocument::~ListDocument() = default;

void ListDocument::LoadInto(IPWProperty& property)
{
    if (m_isTextForm) {
        static_cast<CStepchainData*>(property.GetValue())->CopyPropertiesFrom(m_described.get());
        m_described.reset();
        return;
    }
    if (m_bytes.empty())
        return;
    // Bytes that looked like JSON are most likely a broken text form: say both readings.
    const std::string asText = m_notTextForm.empty() ? std::string() : "; as the text form: " + m_notTextForm;
    CArchive ar(m_bytes);
    try {
        property.Serialize(ar);
    } catch (const CArchiveException& e) {
        throw InputError(m_path + ": " + e.Describe() + asText);
    }
    if (ar.GetRemaining() != 0) {
        throw InputError(m_path + ": " + std::to_string(ar.GetRemaining()) +
                         " bytes after the end of the list at byte offset " + std::to_string(ar.GetPosition()) +
                         asText);
    }
}

void ListDocument::Save(IPWProperty& property)
{
    std::string bytes;
    if (m_isTextForm) {
        bytes = textform::Dump(*static_cast<CStepchainData*>(property.GetValue()));
    } else {
        CArchive ar;
        try {
            property.Serialize(ar);
        } catch (const CArchiveException& e) {
            throw InputError(m_path + ": cannot store the list: " + e.Describe());
        }
        bytes = ar.GetStored();
    }
    try {
        WriteFileAtomically(m_path, bytes);
    } catch (const FileError& e) {
        throw InputError(m_path + ": " + e.what());
    }
}
