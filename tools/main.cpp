// stepchain: action-list files on the command line, over the module's own code.
#include <CLI/CLI.hpp>

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <new>

#include "tools/Commands.h"
#include "tools/FileIo.h"
#include "tools/ListFile.h"

namespace {

std::vector<const CLI::App*> Commands(const CLI::App& app)
{
    return app.get_subcommands([](const CLI::App*) { return true; });
}

bool IsCommand(const CLI::App& app, const std::string& name)
{
    const auto commands = Commands(app);
    return std::any_of(commands.begin(), commands.end(), [&](const CLI::App* c) { return c->get_name() == name; });
}

std::string CommandNames(const CLI::App& app)
{
    std::string names;
    for (const CLI::App* command : Commands(app))
        names += (names.empty() ? "" : ", ") + command->get_name();
    return names;
}

// The first argument that looks like an option and that no option took, if any.
std::string UnknownOption(const CLI::App& app)
{
    std::vector<std::string> extras = app.remaining();
    for (const CLI::App* command : Commands(app)) {
        const std::vector<std::string> more = command->remaining();
        extras.insert(extras.end(), more.begin(), more.end());
    }
    const auto option = std::find_if(extras.begin(), extras.end(),
                                     [](const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; });
    return option != extras.end() ? *option : std::string();
}

// Writes what the command wrote and then the failure, if any: a list or
// report cut short by a full disk must not end in exit 0.
int Finish(FdOutput& out, int code)
{
    out.flush();
    if (out.Failure().empty())
        return code;
    std::cerr << "stepchain: standard output: cannot write: " << out.Failure() << '\n';
    return EXIT_BAD_INPUT;
}

}

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    FdOutput out(STDOUT_FILENO);
    CLI::App app{"stepchain: read, check, convert and script action-list files", "stepchain"};
    app.require_subcommand(1);

    Context context;
    context.processEndsAfter = true;
    std::string list;
    std::string output;
    auto addHost = [&](CLI::App* command) {
        command->add_option("--host", context.hostPath, "host description (JSON)");
    };
    auto addList = [&](CLI::App* command) {
        command->add_option("LIST", list, "action-list file, - for standard input")->required();
        addHost(command);
    };
    auto addOutput = [&](CLI::App* command) {
        command->add_option("-o,--output", output, "file to write")->required();
    };

    int mode = 0;
    CLI::App* script = app.add_subcommand("script", "the generated panel script (CP932)");
    addList(script);
    script->add_option("--mode", mode, "0: event code, 1: periodic code, other: main pass alone");
    script->add_option("--owner", context.owner, "object name of the list's owner");

    std::string displayName;
    bool raw = false;
    CLI::App* spec = app.add_subcommand("spec", "the specification row (UTF-8), or the raw action rows (CP932)");
    addList(spec);
    auto* nameOption = spec->add_option("--name", displayName, "display name of the property");
    auto* rawOption = spec->add_flag("--raw", raw, "the action rows alone, in CP932");
    nameOption->excludes(rawOption);

    CLI::App* keywords = app.add_subcommand("keywords", "the keyword text (UTF-8, or CP932 with --raw)");
    addList(keywords);
    keywords->add_flag("--raw", raw, "CP932 instead of UTF-8");

    CLI::App* show = app.add_subcommand("show", "the list for people: one line per row (UTF-8)");
    addList(show);

    std::vector<std::string> lists;
    CLI::App* check = app.add_subcommand("check", "exit 1 when a row of a list is invalid");
    check->add_option("LIST", lists, "action-list files")->required();
    addHost(check);

    std::string other;
    CLI::App* diff = app.add_subcommand("diff", "the rows that differ between two lists; exit 1 when any do");
    diff->add_option("A", list, "the first action-list file, - for standard input")->required();
    diff->add_option("B", other, "the second action-list file")->required();
    addHost(diff);

    CLI::App* store = app.add_subcommand("store", "load, then store again");
    addList(store);
    addOutput(store);

    std::string limit;
    CLI::App* mergeLimit = app.add_subcommand("merge-limit", "drop the actions that a limit word forbids");
    addList(mergeLimit);
    addOutput(mergeLimit);
    mergeLimit->add_option("--limit", limit, "limit word, decimal or 0x hexadecimal")->required();

    std::vector<std::string> renameArgs;
    bool inPlace = false;
    bool dryRun = false;
    CLI::App* rename = app.add_subcommand("rename", "rename a memory, or a device with *NAME, in one list or many");
    rename->add_option("ARGS", renameArgs, "LIST OLD NEW with -o; OLD NEW LIST... with --in-place or --dry-run")
        ->required();
    auto* renameOutput = rename->add_option("-o,--output", output, "file to write; takes exactly one LIST");
    auto* inPlaceFlag = rename->add_flag("--in-place", inPlace, "write each list that changes back to its file");
    auto* dryRunFlag = rename->add_flag("--dry-run", dryRun, "print what would change in each list, write nothing");
    renameOutput->excludes(inPlaceFlag)->excludes(dryRunFlag);
    inPlaceFlag->excludes(dryRunFlag);
    addHost(rename);
    rename->add_option("--owner", context.owner, "object name of the lists' owner");
    rename->footer("Forms:\n  stepchain rename LIST OLD NEW -o OUT\n  stepchain rename OLD NEW LIST... --in-place\n"
                   "  stepchain rename OLD NEW LIST... --dry-run\n"
                   "Nothing is written unless every LIST can be read.");

    CLI::App* dump = app.add_subcommand("dump", "the list as JSON text (UTF-8)");
    addList(dump);
    dump->add_option("-o,--output", output, "file to write instead of standard output");

    std::string input;
    CLI::App* build = app.add_subcommand("build", "store a list given as JSON text");
    build->add_option("IN", input, "JSON text of a list, - for standard input")->required();
    addOutput(build);

    const std::string commands = CommandNames(app);
    if (argc < 2 || (argv[1][0] != '-' && !IsCommand(app, argv[1]))) {
        std::cerr << "stepchain: " << (argc < 2 ? "no command" : "unknown command '" + std::string(argv[1]) + "'")
                  << "; the commands are " << commands << " (see stepchain --help)\n";
        return EXIT_BAD_INPUT;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        if (const std::string option = UnknownOption(app); !option.empty())
            std::cerr << "stepchain: unknown option '" << option << "' (see stepchain --help)\n";
        else
            std::cerr << "stepchain: " << e.what() << " (see stepchain --help)\n";
        return EXIT_BAD_INPUT;
    }

    const auto run = [&]() -> int {
        if (*script)
            return RunScript(context, list, mode, out);
        if (*spec) {
            if (raw)
                return RunSpecRaw(context, list, out);
            if (nameOption->count() == 0)
                throw InputError("spec needs --name NAME or --raw");
            return RunSpecRow(context, list, displayName, out);
        }
        if (*keywords)
            return RunKeywords(context, list, raw, out);
        if (*show)
            return RunShow(context, list, out);
        if (*check)
            return RunCheck(context, lists, out, std::cerr);
        if (*diff)
            return RunDiff(context, list, other, out);
        if (*store)
            return RunStore(context, list, output, out);
        if (*mergeLimit)
            return RunMergeLimit(context, list, limit, output, out);
        if (*rename) {
            if (renameOutput->count() != 0) {
                if (renameArgs.size() != 3)
                    throw InputError("rename with -o takes exactly LIST OLD NEW");
                return RunRename(context, renameArgs[0], renameArgs[1], renameArgs[2], output, out, std::cerr);
            }
            if ((!inPlace && !dryRun) || renameArgs.size() < 3)
                throw InputError("rename takes LIST OLD NEW -o OUT, or OLD NEW LIST... with --in-place or --dry-run");
            return RunRenameLists(context, renameArgs[0], renameArgs[1], {renameArgs.begin() + 2, renameArgs.end()},
                                  dryRun, out);
        }
        if (*dump)
            return RunDump(context, list, output, out);
        return RunBuild(input, output, out);
    };
    try {
        return Finish(out, run());
    } catch (const InputError& e) {
        out.flush();
        std::cerr << "stepchain: " << e.what() << '\n';
    } catch (const std::bad_alloc&) {
        out.flush();
        std::cerr << "stepchain: out of memory\n";
    }
    return EXIT_BAD_INPUT;
}
