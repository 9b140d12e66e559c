// Records whose layout is more than their fields in table order, and the
// older layouts that loading accepts: what each loads as and stores again.
#include <gtest/gtest.h>

#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"
#include "support/Stored.h"

namespace {

const std::string kTarget = "01 00 00 00 0A 54 58 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
const std::string kOther = "01 00 00 00 0A 54 58 54 32 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
const std::string kV3 = "0E 40 40 40 56 33 46 6F 72 6D 61 74 40 40 40 ";
const std::string kV2 = "0E 40 40 40 56 32 46 6F 72 6D 61 74 40 40 40 ";
const std::string kSetAbc = "03 61 62 63 02 00 00 00 ";
const std::string kTextSource = "01 00 00 00 06 5B 54 45 58 54 5D 00 60 00 00 00 00 00 00 00 ";
const std::string kFormat = "00 05 00 00 00 ";
const std::string kW0 = "01 00 00 00 02 57 30 42 00 00 00 00 00 00 00 ";
const std::string kNumberSource = "01 00 00 00 00 60 00 00 00 00 00 00 00 ";
const std::string kEmpty = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";
const std::string kLiteral = "5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D ";

TEST(Layouts, LoadAndStoreAgain)
{
    // Kind, record, what storing the loaded action writes ("" when the same).
    const std::tuple<int, std::string, std::string> cases[] = {
        {SC_STRING, kTarget + kV3 + kFormat + kW0 + kTarget, ""},
        {SC_STRING, kTarget + kV3 + kSetAbc + kTextSource + kOther, kOther + kV3 + kSetAbc + kTextSource + kOther},
        {SC_STRING, kTarget + kV2 + kSetAbc + kTextSource, kTarget + kV3 + kSetAbc + kTextSource + kTarget},
        {SC_STRING, kTarget + kSetAbc, kTarget + kV3 + kSetAbc + kTextSource + kTarget},
        {SC_STRING, kTarget + kFormat, kTarget + kV3 + kFormat + kNumberSource + kTarget},
        {SC_STRING, kTarget + kV2 + kFormat + kTextSource, kTarget + kV3 + kFormat + kNumberSource + kTarget},
        // A target or a graph memory stored without its marker is one still.
        {SC_STRING, "01 00 00 00 04 54 58 54 31 01 00 00 00 00 00 00 00 " + kV3 + kFormat + kW0 +
                        "01 00 00 00 04 54 58 54 31 01 00 00 00 00 00 00 00",
         kTarget + kV3 + kFormat + kW0 + kTarget},
        {SC_SETGRAPHMEM, "01 00 00 00 03 47 52 31 01 00 00 00 00 00 00 00 " + kEmpty + kEmpty + "00 00 00 00",
         "01 00 00 00 0A 47 52 31 5B 47 52 41 50 48 5D 01 00 00 00 00 00 00 00 " + kEmpty + kEmpty + "00 00 00 00"},
        // The communication output holds a message as literal text; a memory value stays in its memory.
        {SC_COMM, "01 00 00 00 02 4D 31 01 00 00 00 00 00 00 00 00 00 00 00",
         "01 00 00 00 10 4D 31 " + kLiteral + "01 00 00 00 00 00 00 00 00 00 00 00"},
        {SC_COMM, "01 00 00 00 08 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 01 00 00 00", ""},
        {SC_COMM, "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 01 00 00 00", ""}};
    CStepchainData list;
    for (const auto& [type, record, restored] : cases) {
        std::unique_ptr<IStepchain> action(list.CreateSC(type));
        CArchive ar(Hex(record));
        action->Serialize(ar);
        EXPECT_EQ(ar.GetRemaining(), 0u);
        EXPECT_EQ(ToHex(StoredBytes(*action)), ToHex(Hex(restored.empty() ? record : restored)));
    }
}

TEST(Layouts, KeypadCall)
{
    const std::string nodes = "01 00 00 00 04 56 41 4C 31 01 00 00 00 00 00 00 00 " + kEmpty + kEmpty;
    // From the fraction flag on: no flag, the fraction digits, no memory, page 3, no range check, no message.
    auto rest = [&](const char* frac) {
        return "00 00 00 00 " + std::string(frac) + " 00 00 00 " + kEmpty + "03 00 00 00 00 00 00 00 00 00 00 00 00";
    };
    const std::pair<std::string, std::string> cases[] = {
        {nodes + "04 00 00 00 02 00 00 00 03 00 00 00 00 00 00 00", nodes + "FF FF FF FF 07 00 00 00 " + rest("02")},
        {nodes + "04 00 00 00 00 00 00 00 03 00 00 00 00 00 00 00", nodes + "FF FF FF FF 04 00 00 00 " + rest("00")},
        {nodes + "FF FF FF FF 06 00 00 00 " + rest("02"), nodes + "FF FF FF FF 06 00 00 00 " + rest("02")},
        {nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 01 00 00 00 05 41 21 42 21 43",
         nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 01 00 00 00 05 58 21 42 21 43"},
        // A link switched off keeps its target.
        {nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 00 00 00 00 01 41",
         nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 00 00 00 00 01 58"}};
    FakeHost host;
    host.translateLink = [](std::string& text) { text[0] = 'X'; };
    CStepchainData list;
    for (const auto& [record, stored] : cases) {
        std::unique_ptr<IStepchain> keypad(list.CreateSC(SC_KEYPAD));
        CArchive in(Hex(record + " 0F"));
        keypad->Serialize(in);
        EXPECT_EQ(in.GetRemaining(), 1u);
        EXPECT_EQ(ToHex(StoredBytes(*keypad)), stored);
    }
    EXPECT_EQ(host.Count(hostmsg::TRANSLATE_LINK), 2);
}

TEST(Layouts, TheDigitCountsOfAStringOperationTakeNoPartInEquality)
{
    CStepchainData list;
    std::unique_ptr<IStepchain> a(Make(list, SC_STRING, "Target=T|Operation=5|Source=W0|Source.aux=66"));
    std::unique_ptr<IStepchain> b(Make(list, SC_STRING, "Target=T|Operation=5|Source=W0|Source.aux=96"));
    EXPECT_TRUE(a->CompareProperties(b.get()));
}

}
