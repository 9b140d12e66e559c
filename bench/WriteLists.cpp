// Writes the long lists of the benchmarks as list files, for timing the
// command-line tool on them.
#include <fstream>
#include <iostream>

#include "BenchLists.h"

namespace {

bool Write(const std::string& path, void (*fill)(CStepchainData&, size_t))
{
    CStepchainData list;
    fill(list, MAX_STEPCHAIN_ACTIONS);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << Store(list);
    file.close();
    if (!file) {
        std::cerr << "stepchain_benchlists: cannot write " << path << '\n';
        return false;
    }
    return true;
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: stepchain_benchlists DIRECTORY\n";
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok = Write(dir + "/mixed.stepchain", FillMixed) && Write(dir + "/flow.stepchain", FillFlow) &&
                    Write(dir + "/labels.stepchain", FillLabels);
    return ok ? 0 : 1;
}
