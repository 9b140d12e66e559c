// Writes the seed lists for the fuzz targets: one list per kind of action,
// and one list holding every kind, each preceded by the bytes that the
// target reads for its host and parameters.
#include <fstream>
#include <iostream>
#include <string>

#include "core/CStepchainData.h"

namespace {

void WriteSeed(const std::string& path, CStepchainData& list)
{
    CArchive ar;
    list.Serialize(ar);
    // The fuzz target's header: a settings record with a repeat interval of
    // 10, no limit, two empty names.
    std::string prefix(22, '\0');
    prefix[0] = 1;
    prefix[8] = 10;
    std::ofstream(path, std::ios::binary) << prefix << ar.GetStored();
}

}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_seeds DIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    CStepchainData all;
    for (int type = 0; type < SC_TYPE_COUNT; ++type) {
        CStepchainData one;
        one.AddSC(one.CreateSC(type));
        WriteSeed(dir + "/kind" + std::to_string(type), one);
        all.AddSC(all.CreateSC(type));
    }
    WriteSeed(dir + "/all-kinds", all);
    return 0;
}
