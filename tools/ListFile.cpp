#include "tools/ListFile.h"

#include "tools/FileIo.h"
#include "tools/textform/TextForm.h"

std::unique_ptr<CStepchainData> LoadListFile(const std::string& path)
{
    const std::string name = path == "-" ? "standard input" : path;
    std::string bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const FileError& e) {
        throw InputError(name + ": " + e.what());
    }
    std::string whyNot;
    try {
        if (auto list = textform::TryBuild(bytes, whyNot))
            return list;
    } catch (const textform::FormError& e) {
        throw InputError(name + ": " + e.what());
    }
    // Bytes that looked like JSON are most likely a broken text form: say both readings.
    const std::string asText = whyNot.empty() ? std::string() : "; as the text form: " + whyNot;
    auto list = std::make_unique<CStepchainData>();
    CArchive ar(std::move(bytes));
    try {
        list->Serialize(ar);
    } catch (const CArchiveException& e) {
        throw InputError(name + ": " + e.Describe() + asText);
    }
    if (ar.GetRemaining() != 0) {
        throw InputError(name + ": " + std::to_string(ar.GetRemaining()) + " bytes after the end of the list at byte offset " +
                         std::to_string(ar.GetPosition()) + asText);
    }
    return list;
}

std::string StoreList(CStepchainData& list)
{
    CArchive ar;
    try {
        list.Serialize(ar);
    } catch (const CArchiveException& e) {
        throw InputError("cannot store the list: " + e.Describe());
    }
    return ar.TakeStored();
}

void SaveListFile(CStepchainData& list, const std::string& path)
{
    const std::string bytes = StoreList(list);
    try {
        WriteFileAtomically(path, bytes);
    } catch (const FileError& e) {
        throw InputError(path + ": " + e.what());
    }
}
