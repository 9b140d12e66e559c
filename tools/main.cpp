// stepchain: action-list files on the command line, over the module's own code.
#include <CLI/CLI.hpp>

#include <iostream>

#include "tools/Commands.h"
#include "tools/ListFile.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    CLI::App app{"stepchain: read, check, convert and script action-list files"};
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

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "stepchain: " << e.what() << " (see stepchain --help)\n";
        return EXIT_BAD_INPUT;
    }

    try {
        if (*script)
            return RunScript(context, list, mode, std::cout);
        if (*spec) {
            if (raw)
                return RunSpecRaw(context, list, std::cout);
            if (nameOption->count() == 0) {
                std::cerr << "stepchain: spec needs --name NAME or --raw\n";
                return EXIT_BAD_INPUT;
            }
            return RunSpecRow(context, list, displayName, std::cout);
        }
        if (*keywords)
            return RunKeywords(context, list, raw, std::cout);
        if (*show)
            return RunShow(context, list, std::cout);
        if (*check)
            return RunCheck(context, lists, std::cout);
        if (*diff)
            return RunDiff(context, list, other, std::cout);
        if (*store)
            return RunStore(context, list, output);
        if (*mergeLimit)
            return RunMergeLimit(context, list, limit, output);
        if (*rename) {
            if (renameOutput->count() != 0) {
                if (renameArgs.size() != 3)
                    throw InputError("rename with -o takes exactly LIST OLD NEW");
                return RunRename(context, renameArgs[0], renameArgs[1], renameArgs[2], output, std::cout);
            }
            if ((!inPlace && !dryRun) || renameArgs.size() < 3)
                throw InputError("rename takes LIST OLD NEW -o OUT, or OLD NEW LIST... with --in-place or --dry-run");
            return RunRenameLists(context, renameArgs[0], renameArgs[1], {renameArgs.begin() + 2, renameArgs.end()},
                                  dryRun, std::cout);
        }
        if (*dump)
            return RunDump(context, list, output, std::cout);
        if (*build)
            return RunBuild(input, output);
    } catch (const InputError& e) {
        std::cout.flush();
        std::cerr << "stepchain: " << e.what() << '\n';
        return EXIT_BAD_INPUT;
    }
    return EXIT_BAD_INPUT;
}
