#include <gtest/gtest.h>

#include "support/Bytes.h"
#include "support/RandomList.h"
#include "support/Stored.h"
#include "tools/textform/TextForm.h"

namespace {

// Every field of every kind reaches the text form and comes back: building
// the dump of a stored list stores the same bytes.
TEST(TextForm, BuildOfDumpStoresTheSameOnRandomLists)
{
    for (uint32_t seed = 0; seed < 200; ++seed) {
        RandomList random(seed);
        CStepchainData list;
        random.Fill(list, random.Below(40));
        const std::string stored = StoredBytes(list);
        CStepchainData loaded;
        CArchive in(stored);
        loaded.Serialize(in);
        const std::string text = textform::Dump(loaded);
        ASSERT_EQ(ToHex(StoredBytes(*textform::Build(text))), ToHex(stored)) << "seed " << seed << "\n" << text;
    }
}

}
