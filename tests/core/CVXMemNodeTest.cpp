#include <gtest/gtest.h>

#include "core/CVXMemNode.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Stored.h"

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

// Name, second text, kind, text flag, second flag.
std::string Parts(const CVXMemNode& n)
{
    return ToHex(n.m_name) + "|" + ToHex(n.m_subName) + "|" + std::to_string(n.m_kind) + std::to_string(n.m_isText) +
           std::to_string(n.m_flag2);
}

TEST(MemNode, StoresWithTheKindSuffixAndLoadsBack)
{
    // Name, kind, text flag, second flag, second text, bytes.
    const std::tuple<const char*, int, int, int, const char*, const char*> cases[] = {
        {"W0", 0, 1, 0, "", "01 00 00 00 02 57 30 01 00 00 00 05 00 00 00"},
        {"G", 1, 0, 1, "", "02 00 00 00 08 47 5B 47 52 41 50 48 5D 01 00 00 00 05 00 00 00"},
        {"T", 2, 1, 1, "S", "03 00 00 00 07 54 5B 54 45 58 54 5D 01 53 01 00 00 00 05 00 00 00"},
        // An empty second text: the peek sees 00 01 00 00, not 1, and reads it.
        {"T", 2, 1, 0, "", "01 00 00 00 07 54 5B 54 45 58 54 5D 00 01 00 00 00 05 00 00 00"},
        {"L", 3, 1, 0, "", "01 00 00 00 0F 4C 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 05 00 00 00"},
        {"", 0, 0, 0, "", "00 00 00 00 00 01 00 00 00 05 00 00 00"},
        // ゼ is 83 5B: its trail byte is "[", which must not begin "[TEXT]".
        {"\x83\x5BTEXT]", 0, 1, 0, "", "01 00 00 00 07 83 5B 54 45 58 54 5D 01 00 00 00 05 00 00 00"}};
    for (const auto& [name, kind, isText, flag2, subName, bytes] : cases) {
        CVXMemNode node;
        std::tie(node.m_name, node.m_kind, node.m_isText, node.m_flag2, node.m_subName) =
            std::tuple(name, kind, isText, flag2, subName);
        node.m_value = 5;
        EXPECT_EQ(ToHex(StoredBytes(node)), bytes);
        size_t left = 99;
        const CVXMemNode back = Load(Hex(bytes), &left);
        EXPECT_EQ(Parts(back), Parts(node));
        EXPECT_EQ(back.m_aux * 100 + back.m_value * 10 + static_cast<int>(left), 150) << bytes;
    }
}

TEST(MemNode, SecondTextAndAuxAreToldApart)
{
    // A text kind whose next word is 1 has no second text: the 1 is the aux.
    size_t left = 99;
    CVXMemNode node = Load(Hex("01 00 00 00 07 54 5B 54 45 58 54 5D 01 00 00 00 09 00 00 00"), &left);
    EXPECT_EQ(Parts(node), "54|" "|210");
    EXPECT_EQ(node.m_aux * 100 + node.m_value * 10 + static_cast<int>(left), 190);
    // A second text of one zero byte is not taken for an aux.
    node.m_subName = std::string(1, '\0');
    node.m_aux = 0x30000;
    node.m_value = 0;
    const std::string bytes = StoredBytes(node);
    EXPECT_EQ(ToHex(bytes), "01 00 00 00 07 54 5B 54 45 58 54 5D FF 01 00 00 00 00 03 00 00 00 00 00");
    const CVXMemNode back = Load(bytes);
    EXPECT_EQ(back.m_subName, node.m_subName);
    EXPECT_EQ(back.m_aux, 0x30000);
    // An empty second text before an aux of 0: the peek sees 00 00 00 00 and reads the text.
    node.m_subName.clear();
    node.m_aux = 0;
    Load(StoredBytes(node), &left);
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
            EXPECT_EQ(Parts(node), "57 30||" + std::to_string(field) + "10");
            node.Serialize(ar, field);
            EXPECT_EQ(Parts(node), "54|53|210");
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
    EXPECT_EQ(Parts(back), "41 3F||310");
    EXPECT_EQ(ToHex(StoredBytes(back)), ToHex(bytes));
    // Loaded without a suffix, half a character becomes "?" as well, so that
    // a kind given later survives the next store.
    EXPECT_EQ(Load(Hex("01 00 00 00 02 41 FB 01 00 00 00 00 00 00 00")).m_name, "A?");
    // With a two-byte character at the end nothing changes.
    node.m_name = "A\x83\x5B";
    EXPECT_EQ(Load(StoredBytes(node)).m_name, node.m_name);
}

TEST(MemNode, LoadingAnnouncesNamedNodesAndKeepsWhatWasReadBeforeAFailure)
{
    FakeHost host;
    CArchive ar(Hex("01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 01 00 00 00 00 01 00 00 00 00 00 00 00"
                    "01 00 00 00 0F 57 5B 4C 49 54 45 52 41 4C 5F 54 45 58 54 5D 01 00 00 00 00 00 00 00"
                    "01 00 00 00 02 57 31 01 00"));
    CVXMemNode named, empty, literal, cut;
    named.Serialize(ar);
    empty.Serialize(ar);
    literal.Serialize(ar);
    EXPECT_THROW(cut.Serialize(ar), CArchiveException);
    EXPECT_EQ(host.nodesLoaded, std::vector<uintptr_t>{reinterpret_cast<uintptr_t>(&named)});
    EXPECT_EQ(cut.m_name, "W1");
    EXPECT_EQ(cut.m_aux, 1);
}

TEST(MemNode, ScriptAndDisplayText)
{
    // Name, script form, display text.
    const char* const cases[][3] = {{"", "", ""},           {"12", "#12", "#12"},    {"-3", "#-3", "#-3"},
                                    {"-", "#-", "#-"},       {"1.5", "1.5", "1.5"}, {"W0", "W0", "W0"},
                                    {"T[TEXT]", "T", "T[TEXT]"}, {"G[GRAPH]x[TEXT]", "Gx[TEXT]", "G[GRAPH]x[TEXT]"},
                                    {"\x83\x5BTEXT]", "\x83\x5BTEXT]", "\x83\x5BTEXT]"}};
    for (const auto& c : cases) {
        CVXMemNode node;
        node.m_name = c[0];
        EXPECT_EQ(node.GetScriptForm() + "|" + node.GetDisplayText(), std::string(c[1]) + "|" + c[2]);
    }
}

TEST(MemNode, EqualityFollowsTheTextFlag)
{
    // A memory compares by name alone, a number by value alone.
    CVXMemNode a, b;
    a.m_name = b.m_name = "W0";
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
