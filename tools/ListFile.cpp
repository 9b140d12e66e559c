#include "tools/ListFile.h"

#include "tools/OutputFile.h"
#include "tools/textform/TextForm.h"

namespace {

std::string DisplayName(const std::string& path) { return path == "-" ? "standard input" : path; }

std::string Bytes(size_t count) { return std::to_string(count) + (count == 1 ? " byte" : " bytes"); }

}

SizeLimit ListSizeLimit()
{
    return {"a list", [](std::string_view head) {
                return textform::MayBeTextForm(head) ? MAX_TEXT_FORM_BYTES : MAX_LIST_FILE_BYTES;
            }};
}

std::unique_ptr<CStepchainData> LoadListFile(const std::string& path)
{
    std::string bytes;
    try {
        bytes = ReadWholeFile(path, ListSizeLimit());
    } catch (const FileError& e) {
        throw InputError(DisplayName(path) + ": " + e.what());
    }
    return LoadListBytes(DisplayName(path), bytes);
}

std::unique_ptr<CStepchainData> LoadListBytes(const std::string& name, const std::string& bytes)
{
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
        throw InputError(name + ": " + Bytes(ar.GetRemaining()) + " after the end of the list at byte offset " +
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

void WriteOutput(const std::string& path, const std::string& bytes, std::ostream& out)
{
    if (path == "-") {
        out << bytes;
        return;
    }
    try {
        WriteFileWhole(path, bytes);
    } catch (const FileError& e) {
        throw InputError(path + ": " + e.what());
    }
}
