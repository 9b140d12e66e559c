// Records whose layout is more than their fields in table order, and the
// older layouts that loading accepts: what each loads as and stores again.
#include <gtest/gtest.h>

#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCString.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"
#include "support/Stored.h"

namespace {

void ExpectRestored(IStepchain& action, const std::string& record, const std::string& restored)
{
    CArchive ar(Hex(record));
    action.Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    EXPECT_EQ(ToHex(StoredBytes(action)), ToHex(Hex(restored)));
}

TEST(Layouts, StringOperation)
{
    const std::string target = "01 00 00 00 0A 54 58 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
    const std::string other = "01 00 00 00 0A 54 58 54 32 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
    const std::string v3 = "0E 40 40 40 56 33 46 6F 72 6D 61 74 40 40 40 ";
    const std::string v2 = "0E 40 40 40 56 32 46 6F 72 6D 61 74 40 40 40 ";
    const std::string abcSet = "03 61 62 63 02 00 00 00 ";
    const std::string textSource = "01 00 00 00 06 5B 54 45 58 54 5D 00 60 00 00 00 00 00 00 00 ";
    const std::string format = "00 05 00 00 00 ";
    const std::string w0 = "01 00 00 00 02 57 30 42 00 00 00 00 00 00 00 ";
    const std::string numberSource = "01 00 00 00 00 60 00 00 00 00 00 00 00 ";
    // A target stored without its marker is a text memory still.
    const std::string unmarked = "01 00 00 00 04 54 58 54 31 01 00 00 00 00 00 00 00 ";
    const std::pair<std::string, std::string> cases[] = {
        {target + v3 + format + w0 + target, target + v3 + format + w0 + target},
        {target + v3 + abcSet + textSource + other, other + v3 + abcSet + textSource + other},
        {target + v2 + abcSet + textSource, target + v3 + abcSet + textSource + target},
        {target + abcSet, target + v3 + abcSet + textSource + target},
        {target + format, target + v3 + format + numberSource + target},
        {target + v2 + format + textSource, target + v3 + format + numberSource + target},
        {unmarked + v3 + format + w0 + unmarked, target + v3 + format + w0 + target},
    };
    for (const auto& [record, restored] : cases) {
        CSCString string(nullptr);
        ExpectRestored(string, record, restored);
    }
}

TEST(Layouts, CommunicationOutputHoldsAMessageAsLiteralText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"01 00 00 00 02 4D 31 01 00 00 00 00 00 00 00 00 00 00 00",
         "01 00 00 00 10 4D 31 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 00 00 00 00 00 00 00 00"},
        {"01 00 00 00 08 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 01 00 00 00",
         "01 00 00 00 08 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 01 00 00 00"},
        // A memory value in an ordinary memory stays one.
        {"01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 01 00 00 00",
         "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 01 00 00 00"},
    };
    for (const auto& [record, restored] : cases) {
        CSCComm comm(nullptr);
        ExpectRestored(comm, record, restored);
    }
}

TEST(Layouts, AGraphMemoryStoredWithoutItsMarkerIsOneStill)
{
    const std::string empty = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";
    CSCSetGraphMem graph(nullptr);
    ExpectRestored(graph, "01 00 00 00 03 47 52 31 01 00 00 00 00 00 00 00 " + empty + empty + "00 00 00 00",
                   "01 00 00 00 0A 47 52 31 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 " + empty + empty +
                       "00 00 00 00");
}

TEST(Layouts, KeypadCall)
{
    const std::string empty = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";
    const std::string nodes = "01 00 00 00 04 56 41 4C 31 01 00 00 00 00 00 00 00 " + empty + empty;
    // From the fraction flag on: no flag, the fraction digits, no memory, page 3, no range check, no message.
    auto rest = [&](const char* frac) {
        return "00 00 00 00 " + std::string(frac) + " 00 00 00 " + empty + "03 00 00 00 00 00 00 00 00 00 00 00 00";
    };
    struct Case {
        std::string record;
        std::string stored;  // what storing the loaded action writes
    };
    const Case cases[] = {
        {nodes + "04 00 00 00 02 00 00 00 03 00 00 00 00 00 00 00", nodes + "FF FF FF FF 07 00 00 00 " + rest("02")},
        {nodes + "04 00 00 00 00 00 00 00 03 00 00 00 00 00 00 00", nodes + "FF FF FF FF 04 00 00 00 " + rest("00")},
        {nodes + "FF FF FF FF 06 00 00 00 " + rest("02"), nodes + "FF FF FF FF 06 00 00 00 " + rest("02")},
        {nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 01 00 00 00 05 41 21 42 21 43",
         nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 01 00 00 00 05 58 21 42 21 43"},
        // A link switched off keeps its target.
        {nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 00 00 00 00 01 41",
         nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 00 00 00 00 01 58"},
    };
    FakeHost host;
    host.translateLink = [](std::string& text) { text[0] = 'X'; };
    CStepchainData list;
    for (const Case& c : cases) {
        CSCKeypad keypad(&list);
        CArchive in(Hex(c.record + " 0F"));
        keypad.Serialize(in);
        EXPECT_EQ(in.GetRemaining(), 1u);
        CArchive out;
        keypad.Serialize(out);
        EXPECT_EQ(ToHex(out.GetStored()), c.stored);
        CSCKeypad reloaded(&list);
        CArchive reload(out.GetStored());
        reloaded.Serialize(reload);
        CArchive again;
        reloaded.Serialize(again);
        EXPECT_EQ(again.GetStored(), out.GetStored());
    }
    EXPECT_EQ(host.Count(hostmsg::TRANSLATE_LINK), 4);
}

TEST(Layouts, TheDigitCountsOfAStringOperationTakeNoPartInEquality)
{
    CStepchainData list;
    std::unique_ptr<IStepchain> a(Make(list, SC_STRING, "Target=T|Operation=5|Source=W0|Source.aux=66"));
    std::unique_ptr<IStepchain> b(Make(list, SC_STRING, "Target=T|Operation=5|Source=W0|Source.aux=96"));
    EXPECT_TRUE(a->CompareProperties(b.get()));
}

}
