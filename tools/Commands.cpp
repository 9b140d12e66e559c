#include "tools/Commands.h"

#include "core/Cp932.h"
#include "core/SpecExport.h"
#include "tools/CheckReport.h"
#include "tools/ListFile.h"
#include "tools/RowText.h"
#include "tools/Session.h"
#include "tools/textform/TextForm.h"

namespace {

const char* InvalidMark(IStepchain* action) { return action->IsInvalid() != 0 ? "  (invalid)" : ""; }

}

int RunScript(const Context& context, const std::string& list, int mode, std::ostream& out)
{
    Session session(context);
    auto loaded = session.Load(list);
    out << loaded->ExportStr(mode);
    session.Finish(std::move(loaded));
    return EXIT_OK;
}

int RunSpecRow(const Context& context, const std::string& list, const std::string& name, std::ostream& out)
{
    Session session(context);
    auto loaded = session.Load(list);
    out << ExportPropertySpec(*loaded, CommandLineText(name, "the display name"));
    session.Finish(std::move(loaded));
    return EXIT_OK;
}

int RunSpecRaw(const Context& context, const std::string& list, std::ostream& out)
{
    Session session(context);
    auto loaded = session.Load(list);
    out << loaded->ExportSpecStr();
    session.Finish(std::move(loaded));
    return EXIT_OK;
}

int RunKeywords(const Context& context, const std::string& list, bool raw, std::ostream& out)
{
    Session session(context);
    auto loaded = session.Load(list);
    out << (raw ? loaded->ExportSpecKeywordRaw() : loaded->ExportSpecKeyword()) << '\n';
    session.Finish(std::move(loaded));
    return EXIT_OK;
}

int RunShow(const Context& context, const std::string& list, std::ostream& out)
{
    Session session(context);
    auto loaded = session.Load(list);
    {
        const CStepchainData::CheckScope scope(*loaded);
        out << cp932::ToUTF8(loaded->GetCaption()) << '\n';
        for (size_t row = 0; row < loaded->GetCount(); ++row) {
            IStepchain* action = loaded->GetAt(row);
            out << row + 1 << "  " << KindText(action) << "  " << CaptionLine(action) << InvalidMark(action) << '\n';
        }
    }
    session.Finish(std::move(loaded));
    return EXIT_OK;
}

int RunCheck(const Context& context, const std::vector<std::string>& lists, std::ostream& out, std::ostream& err)
{
    Session session(context);
    bool invalid = false;
    bool unreadable = false;
    for (const std::string& path : lists) {
        std::unique_ptr<CStepchainData> list;
        try {
            list = session.Load(path);
        } catch (const InputError& e) {
            out.flush();
            err << "stepchain: " << e.what() << '\n';
            unreadable = true;
            continue;
        }
        invalid = ReportRows(path, *list, out) || invalid;
    }
    return unreadable ? EXIT_BAD_INPUT : invalid ? EXIT_INVALID_ROW : EXIT_OK;
}

int RunStore(const Context& context, const std::string& list, const std::string& output, std::ostream& out)
{
    Session session(context);
    auto loaded = session.Load(list);
    WriteOutput(output, StoreList(*loaded), out);
    session.Finish(std::move(loaded));
    return EXIT_OK;
}

uint32_t ParseLimitWord(const std::string& text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string digits = hex ? text.substr(2) : text;
    uint64_t value = 0;
    bool ok = !digits.empty() && digits.size() <= (hex ? 8u : 10u);
    for (char c : digits) {
        const int d = c >= '0' && c <= '9' ? c - '0'
                      : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                      : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                   : -1;
        if (d < 0) {
            ok = false;
            break;
        }
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
    }
    if (!ok || value > 0xFFFFFFFFu)
        throw InputError("the limit word '" + text + "' is not a decimal or 0x hexadecimal number of 32 bits");
    return static_cast<uint32_t>(value);
}

int RunMergeLimit(const Context& context, const std::string& list, const std::string& limit, const std::string& output,
                  std::ostream& out)
{
    const uint32_t word = ParseLimitWord(limit);
    Session session(context);
    auto loaded = session.Load(list);
    loaded->SetLimit(word);
    loaded->MergeLimit();
    WriteOutput(output, StoreList(*loaded), out);
    session.Finish(std::move(loaded));
    return EXIT_OK;
}

std::pair<std::string, std::string> RenameNames(const std::string& oldName, const std::string& newName)
{
    if (oldName.empty())
        throw InputError("the old name is empty, which would name every empty operand");
    return {ScriptNameText(oldName, "the old name"), ScriptNameText(newName, "the new name")};
}

int RunRename(const Context& context, const std::string& list, const std::string& oldName, const std::string& newName,
              const std::string& output, std::ostream& out, std::ostream& err)
{
    const auto [from, to] = RenameNames(oldName, newName);
    Session session(context);
    auto loaded = session.Load(list);
    const int changed = loaded->MemSync(from, to);
    WriteOutput(output, StoreList(*loaded), out);
    session.Finish(std::move(loaded));
    (output == "-" ? err : out) << (changed ? "plain names changed\n" : "no plain name changed\n");
    return EXIT_OK;
}

int RunDump(const Context& context, const std::string& list, const std::string& output, std::ostream& out)
{
    Session session(context);
    WriteOutput(output.empty() ? "-" : output, textform::Dump(*session.Load(list)), out);
    return EXIT_OK;
}

int RunBuild(const std::string& input, const std::string& output, std::ostream& out)
{
    const std::string name = input == "-" ? "standard input" : input;
    std::string bytes;
    try {
        bytes = ReadWholeFile(input, ListSizeLimit());
    } catch (const FileError& e) {
        throw InputError(name + ": " + e.what());
    }
    std::unique_ptr<CStepchainData> list;
    try {
        list = textform::Build(bytes);
    } catch (const textform::FormError& e) {
        // Bytes that load as a binary list are one, whatever else they might be.
        try {
            LoadListBytes(name, bytes);
        } catch (const InputError&) {
            throw InputError(name + ": " + e.what());
        }
        throw InputError(name + ": a binary list, not a text form (stepchain dump turns it into one, "
                                "stepchain store copies it)");
    }
    WriteOutput(output, StoreList(*list), out);
    return EXIT_OK;
}
