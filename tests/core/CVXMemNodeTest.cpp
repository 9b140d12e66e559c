#include <gtest/gtest.h>

#include "core/CVXMemNode.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"

namespace {

CVXMemNode Load(const std::string& bytes, size_t* left = nullptr)
{
    CArchive ar(bytes);
    CVXMemNode node;
    node.Serialize(ar);
    if (left != nullptr)
        *left = ar.GetRemaining();
    return node;
}

struct StoreCase {
    const char* name;
    int kind;
    int isText;
    int flag2;
    const char* subName;
    const char* bytes;
};

class MemNodeArchive : public testing::TestWithParam<StoreCase> {};

TEST_P(MemNodeArchive, StoresWithTheKindSuffixAndLoadsBack)
{
    const StoreCase& c = GetParam();
    CVXMemNode node;
    node.m_name = c.name;
    node.m_kind = c.kind;
    node.m_isText = c.isText;
    node.m_flag2 = c.flag2;
    node.m_subName = c.subName;
    node.m_value = 5;
    EXPECT_EQ(ToHex(StoredBytes(node)), c.bytes);

    size_t left = 99;
    CVXMemNode back = Load(Hex(c.bytes), &left);
    EXPECT_EQ(left, 0u);
    EXPECT_EQ(back.m_name, c.name);
    EXPECT_EQ(back.m_kind, c.kind);
    EXPECT_EQ(back.m_isText, c.isText);
    EXPECT_EQ(back.m_flag2, c.flag2);
    EXPECT_EQ(back.m_subName, c.subName);
    EXPECT_EQ(back.m_aux, 1);
    EXPECT_EQ(back.m_value, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MemNodeArchive,
    testing::Values(StoreCase{"W0", 0, 1, 0, "", "01 00 00 00 02 57 30 01 00 00 00 05 00 00 00"},
                    StoreCase{"G", 1, 0, 1, "", "02 00 00 00 08 47 5B 47 52 41 50 48 5D 01 00 00 00 05 00 00 00"},
                    StoreCase{"T", 2, 1, 1, "S",
                              "03 00 00 00 07 54 5B 54 45 58 54 5D 01 53 01 00 00 00 05 00 00 00"},
                    // An empty second text: the peek sees 00 01 00 00, not 1, and reads it.
                    StoreCase{"T", 2, 1, 0, "", "01 00 00 00 07 54 5B 54 45 58 54 5D 00 01 00 00 00 05 00 00 00"},
                    StoreCase{"L", 3, 1, 0, "",
                              "01 00 00 00 0F 4C 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 05 00 00 00"},
                    StoreCase{"", 0, 0, 0, "", "00 00 00 00 00 01 00 00 00 05 00 00 00"},
                    // ゼ is 83 5B: its trail byte is "[", which must not begin "[TEXT]".
                    StoreCase{"\x83\x5BTEXT]", 0, 1, 0, "", "01 00 00 00 07 83 5B 54 45 58 54 5D 01 00 00 00 05 00 00 00"}));

TEST(MemNode, TextKindWithoutSecondTextReadsTheOneAsAux)
{
    size_t left = 99;
    CVXMemNode node = Load(Hex("01 00 00 00 07 54 5B 54 45 58 54 5D 01 00 00 00 09 00 00 00"), &left);
    EXPECT_EQ(node.m_kind, CVXMemNode::KIND_TEXT);
    EXPECT_EQ(node.m_subName, "");
    EXPECT_EQ(node.m_aux, 1);
    EXPECT_EQ(node.m_value, 9);
    EXPECT_EQ(left, 0u);
}

TEST(MemNode, NoMarkerOutlivesLoading)
{
    // One "[TEXT]" hidden in another, and a "[GRAPH]" that appears once "[TEXT]" goes.
    const std::pair<const char*, int> cases[] = {{"A[TE[TEXT]XT]", CVXMemNode::KIND_TEXT},
                                                 {"[GR[TEXT]APH]B[TEXT]", CVXMemNode::KIND_TEXT},
                                                 {"C[TEXT][LITERAL_TEXT]", CVXMemNode::KIND_LITERAL_TEXT}};
    for (const auto& [name, kind] : cases) {
        CVXMemNode node;
        node.m_name = name;
        CVXMemNode loaded = Load(StoredBytes(node));
        EXPECT_EQ(loaded.m_kind, kind) << name;
        EXPECT_EQ(loaded.m_name.find('['), std::string::npos) << name;
        EXPECT_EQ(ToHex(StoredBytes(Load(StoredBytes(loaded)))), ToHex(StoredBytes(loaded))) << name;
    }
}

TEST(MemNode, ASecondTextOfOneZeroByteIsNotTakenForAnAux)
{
    CVXMemNode node;
    node.m_name = "T";
    node.m_kind = CVXMemNode::KIND_TEXT;
    node.m_subName = std::string(1, '\0');
    node.m_aux = 0x30000;
    const std::string bytes = StoredBytes(node);
    EXPECT_EQ(ToHex(bytes), "01 00 00 00 07 54 5B 54 45 58 54 5D FF 01 00 00 00 00 03 00 00 00 00 00");
    const CVXMemNode back = Load(bytes);
    EXPECT_EQ(back.m_subName, node.m_subName);
    EXPECT_EQ(back.m_aux, 0x30000);
}

TEST(MemNode, AKindMarkerOrElseTheFieldSaysTheKind)
{
    const std::string w0 = Hex("01 00 00 00 02 57 30 01 00 00 00 00 00 00 00");
    const std::string text = Hex("01 00 00 00 07 54 5B 54 45 58 54 5D 01 53 01 00 00 00 00 00 00 00");
    for (int field : {CVXMemNode::KIND_MEMORY, CVXMemNode::KIND_GRAPH, CVXMemNode::KIND_TEXT}) {
        // Whatever the node held before: the same bytes give the same kind.
        for (int before : {CVXMemNode::KIND_MEMORY, CVXMemNode::KIND_TEXT, CVXMemNode::KIND_LITERAL_TEXT}) {
            CArchive ar(w0 + text);
            CVXMemNode node;
            node.m_kind = before;
            node.m_subName = "old";
            node.Serialize(ar, field);
            EXPECT_EQ(node.m_kind, field);
            EXPECT_EQ(node.m_subName, "");
            node.Serialize(ar, field);
            EXPECT_EQ(node.m_kind, CVXMemNode::KIND_TEXT);
            EXPECT_EQ(node.m_subName, "S");
        }
    }
}

TEST(MemNode, ALoneLeadByteCannotSwallowTheKindSuffix)
{
    CVXMemNode node;
    node.m_name = "A\xFB";
    node.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    const std::string bytes = StoredBytes(node);
    EXPECT_EQ(ToHex(bytes.substr(4, 3)), "10 41 3F");
    CVXMemNode back = Load(bytes);
    EXPECT_EQ(back.m_kind, CVXMemNode::KIND_LITERAL_TEXT);
    EXPECT_EQ(back.m_name, "A?");
    EXPECT_EQ(ToHex(StoredBytes(back)), ToHex(bytes));
    // Loaded without a suffix, half a character becomes "?" as well, so that
    // a kind given later survives the next store.
    CVXMemNode plain = Load(Hex("01 00 00 00 02 41 FB 01 00 00 00 00 00 00 00"));
    EXPECT_EQ(plain.m_name, "A?");
    // With a two-byte character at the end nothing changes.
    node.m_name = "A\x83\x5B";
    EXPECT_EQ(Load(StoredBytes(node)).m_name, node.m_name);
}

TEST(MemNode, LoadedNodesAnnounceThemselves)
{
    FakeHost host;
    CArchive ar(Hex("01 00 00 00 02 57 30 01 00 00 00 00 00 00 00"
                    "01 00 00 00 00 01 00 00 00 00 00 00 00"
                    "01 00 00 00 0F 57 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 00 00 00 00"));
    CVXMemNode named, empty, literal;
    named.Serialize(ar);
    empty.Serialize(ar);
    literal.Serialize(ar);
    EXPECT_EQ(host.nodesLoaded, std::vector<uintptr_t>{reinterpret_cast<uintptr_t>(&named)});
}

TEST(MemNode, TruncatedStreamKeepsWhatWasRead)
{
    CArchive ar(Hex("01 00 00 00 02 57 30 01 00"));
    CVXMemNode node;
    EXPECT_THROW(node.Serialize(ar), CArchiveException);
    EXPECT_EQ(node.m_name, "W0");
    EXPECT_EQ(node.m_aux, 1);
}

struct FormCase {
    const char* name;
    const char* script;
    const char* display;
};

class MemNodeForms : public testing::TestWithParam<FormCase> {};

TEST_P(MemNodeForms, ScriptAndDisplayText)
{
    CVXMemNode node;
    node.m_name = GetParam().name;
    EXPECT_EQ(node.GetScriptForm(), GetParam().script);
    EXPECT_EQ(node.GetDisplayText(), GetParam().display);
}

INSTANTIATE_TEST_SUITE_P(Cases, MemNodeForms,
                         testing::Values(FormCase{"", "", ""}, FormCase{"12", "#12", "#12"},
                                         FormCase{"-3", "#-3", "#-3"}, FormCase{"-", "#-", "#-"},
                                         FormCase{"1.5", "1.5", "1.5"}, FormCase{"W0", "W0", "W0"},
                                         FormCase{"G[GRAPH]x[TEXT]", "Gx[TEXT]", "G[GRAPH]x[TEXT]"},
                                         FormCase{"T[TEXT]", "T", "T[TEXT]"},
                                         FormCase{"\x83\x5BTEXT]", "\x83\x5BTEXT]", "\x83\x5BTEXT]"}));

TEST(MemNode, EqualityFollowsTheTextFlag)
{
    CVXMemNode a, b;
    a.m_name = "W0";
    b.m_name = "W0";
    a.m_value = 1;
    EXPECT_TRUE(a == b);
    a.m_isText = b.m_isText = 0;
    EXPECT_FALSE(a == b);
    b.m_value = 1;
    b.m_name = "other";
    EXPECT_TRUE(a == b);
    b.m_isText = 1;
    EXPECT_FALSE(a == b);
}

TEST(MemNode, CopyTakesTheStoredPartsAndTheTextPutAside)
{
    CVXMemNode node = Load(Hex("03 00 00 00 07 54 5B 54 45 58 54 5D 03 53 55 42 07 00 00 00 FC FF FF FF"));
    node.m_text2 = "parked";
    CVXMemNode copy(node);
    EXPECT_EQ(copy.m_self, &copy);
    EXPECT_EQ(copy.m_text2, "parked");
    EXPECT_EQ(ToHex(StoredBytes(copy)), ToHex(StoredBytes(node)));
}

}
