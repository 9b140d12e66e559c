#include <gtest/gtest.h>

#include <memory>

#include "actions/CSCComm.h"
#include "core/CStepchainData.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

// "Hi[LITERAL_TEXT]"
const char* const kHiLiteral = "10 48 69 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D";
const char* const kAuxValue = " 01 00 00 00 00 00 00 00 ";

std::string Stored(IStepchain& action)
{
    CArchive ar;
    action.Serialize(ar);
    return ar.GetStored();
}

void Load(IStepchain& action, const std::string& bytes)
{
    CArchive ar(bytes);
    action.Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
}

CSCComm Make(const std::string& content, int kind)
{
    CSCComm action(nullptr);
    action.Content.m_name = content;
    action.ContentKind = kind;
    if (kind == CSCComm::CONTENT_MESSAGE)
        action.Content.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    return action;
}

}

TEST(CSCComm, NewAction)
{
    CStepchainData list;
    std::unique_ptr<IStepchain> created(list.CreateSC(SC_COMM));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->GetActionType(), 4);
    EXPECT_EQ(created->IsInvalid(), 1);
    EXPECT_EQ(created->GetCaption(), T(Txt::InputError));
    EXPECT_EQ(created->ExportStr("R1", nullptr), "\tOUTPUT $\n");
    EXPECT_EQ(ToHex(Stored(*created)), "01 00 00 00 00 01 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(CSCComm, ScriptCaptionAndValidity)
{
    struct Case {
        const char* content;
        int kind;
        const char* script;
        const char* caption;  // UTF-8; null: invalid
    };
    const Case cases[] = {
        {"Hello World", 0, "\tOUTPUT $Hello World\n", "メッセージを出力:'Hello World'"},
        {"", 0, "\tOUTPUT $\n", nullptr},
        {"5", 1, "\tOUTPUT_N $#5\n", "メモリー値を出力:#5"},
        {"TXT1[TEXT]", 1, "\tOUTPUT_N $TXT1\n", "メモリー値を出力:TXT1[TEXT]"},
        {"", 1, "\tOUTPUT_N $\n", nullptr},
        {"", 2, "\tOUTPUT $[NAME]_[EVENT]\n", "ボタン&イベント名を出力"},
        {"W0", 2, "\tOUTPUT $[NAME]_[EVENT]\n", "ボタン&イベント名を出力"},
        {"W0", 3, "", "ボタン&イベント名を出力"},
        {"", 3, "", nullptr},
    };
    for (const Case& c : cases) {
        CSCComm action = Make(c.content, c.kind);
        SCOPED_TRACE(std::string(c.content) + " kind " + std::to_string(c.kind));
        EXPECT_EQ(action.ExportStr("R1", nullptr), c.script);
        EXPECT_EQ(action.ExportStr("INITIAL", nullptr), "");
        EXPECT_EQ(action.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(action.IsInvalid(), c.caption == nullptr ? 1 : 0);
        EXPECT_EQ(action.GetCaption(), c.caption == nullptr ? T(Txt::InputError) : Sj(c.caption));
    }
}

TEST(CSCComm, FontBuilderTurnsTheWholeLineIntoUtf8)
{
    CSCComm action = Make(Sj("開始"), 0);
    EXPECT_EQ(action.ExportStr("R1", nullptr), "\tOUTPUT $" + Sj("開始") + "\n");
    FakeHost host;
    EXPECT_EQ(action.ExportStr("R1", nullptr), "\tOUTPUT $" + Sj("開始") + "\n");
    host.features["WIZ_FONTBUILDER"] = {};
    EXPECT_EQ(action.ExportStr("R1", nullptr), "\tOUTPUT $開始\n");
}

TEST(CSCComm, MessageLoadsAsLiteralText)
{
    struct Case {
        const char* record;
        int kind;
        const char* name;
        const char* restored;  // null: same as the record
    };
    const Case cases[] = {
        {"01 00 00 00 02 4D 31 01 00 00 00 00 00 00 00 00 00 00 00", CVXMemNode::KIND_LITERAL_TEXT, "M1",
         "01 00 00 00 10 4D 31 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 00 00 00 00 00 00 00 00"},
        {"01 00 00 00 08 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 00 00 00 00",
         CVXMemNode::KIND_LITERAL_TEXT, "T1",
         "01 00 00 00 10 54 31 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 00 00 00 00 00 00 00 00"},
        {"01 00 00 00 08 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 01 00 00 00", CVXMemNode::KIND_TEXT,
         "T1", nullptr},
        {"01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 02 00 00 00", CVXMemNode::KIND_MEMORY, "W0", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        CSCComm action(nullptr);
        Load(action, Hex(c.record));
        EXPECT_EQ(action.Content.m_kind, c.kind);
        EXPECT_EQ(action.Content.m_name, c.name);
        const std::string restored = ToHex(Stored(action));
        EXPECT_EQ(restored, c.restored != nullptr ? c.restored : c.record);
        CSCComm again(nullptr);
        Load(again, Hex(restored));
        EXPECT_EQ(ToHex(Stored(again)), restored);
    }
}

TEST(CSCComm, MessageRoundTrip)
{
    CSCComm action = Make("Hi", 0);
    const std::string expected = std::string("01 00 00 00 ") + kHiLiteral + kAuxValue + "00 00 00 00";
    ASSERT_EQ(ToHex(Stored(action)), expected);
    FakeHost host;
    CSCComm loaded(nullptr);
    Load(loaded, Hex(expected));
    EXPECT_EQ(host.Count(hostmsg::NODE_LOADED), 0);
    EXPECT_TRUE(loaded.CompareProperties(&action));
    EXPECT_EQ(ToHex(Stored(loaded)), expected);
}

TEST(CSCComm, CompareCopyOperandsAndLimit)
{
    const CSCComm base = Make("W0", 1);
    CSCComm copy(nullptr);
    copy.CopyPropertiesFrom(const_cast<CSCComm*>(&base));
    EXPECT_TRUE(copy.CompareProperties(const_cast<CSCComm*>(&base)));
    EXPECT_EQ(copy.Content.m_kind, CVXMemNode::KIND_MEMORY);
    CSCComm otherKind = Make("W0", 0);
    EXPECT_FALSE(otherKind.CompareProperties(&copy));
    CSCComm otherName = Make("W1", 1);
    EXPECT_FALSE(otherName.CompareProperties(&copy));

    MemNodeArray nodes;
    copy.GetMemNodes(nodes);
    EXPECT_EQ(nodes, MemNodeArray{&copy.Content});
    EXPECT_FALSE(copy.MergeLimit(0x10));
    EXPECT_TRUE(copy.MergeLimit(~DWORD{0x10}));
}
