// Writes the seed lists for the fuzz targets: one list per kind of action,
// and one list holding every kind, each preceded by the bytes that the
// list target reads for its host and parameters; and the same lists in the
// text form for the text form target.
#include <fstream>
#include <iostream>
#include <string>

#include "core/CStepchainData.h"
#include "tools/textform/TextForm.h"

namespace {

void WriteSeeds(const std::string& dir, const std::string& textDir, const std::string& name, CStepchainData& list)
{
    std::ofstream(textDir + "/" + name, std::ios::binary) << textform::Dump(list);
    const std::string path = dir + "/" + name;
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
    if (argc != 3) {
        std::cerr << "usage: make_seeds LIST-DIR TEXT-FORM-DIR\n";
        return 2;
    }
    CStepchainData all;
    for (int type = 0; type < SC_TYPE_COUNT; ++type) {
        CStepchainData one;
        one.AddSC(one.CreateSC(type));
        WriteSeeds(argv[1], argv[2], "kind" + std::to_string(type), one);
        all.AddSC(all.CreateSC(type));
    }
    WriteSeeds(argv[1], argv[2], "all-kinds", all);
    return 0;
}
