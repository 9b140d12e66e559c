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
    const std::string bytes = StoredBytes(node);
    EXPECT_EQ(ToHex(bytes), "01 00 00 00 07 54 5B 54 45 58 54 5D FF 01 00 00 00 00 03 00 09 00 00 00");
    EXPECT_EQ(Parts(Load(bytes)), Parts(node));
    EXPECT_EQ(Load(bytes).m_aux, 0x30000);
    // An empty second text before an aux of 0: the peek sees 00 00 00 00 and reads the text.
    node.m_subName.clear();
    node.m_aux = 0;
    Load(StoredBytes(node), &left);
    EXPECT_EQ(left, 0u);
}

TEST(MemNode, NoMarkerOutlivesLoading)
{
    // One "[TEXT]" hidden in another, a "[GRAPH]" that appears once "[TEXT]" goes, and one
    // that appears only after a second round of removals.
    const std::pair<const char*, int> cases[] = {{"A[TE[TEXT]XT]", CVXMemNode::KIND_TEXT}, {"[GR[TEXT]APH]B[TEXT]", CVXMemNode::KIND_TEXT},
        {"[GR[TE[TEXT]XT]APH]", CVXMemNode::KIND_TEXT}, {"C[TEXT][LITERAL_TEXT]", CVXMemNode::KIND_LITERAL_TEXT}};
    for (const auto& [name, kind] : cases) {
        CVXMemNode node;
        node.m_name = name;
        CVXMemNode loaded = Load(StoredBytes(node));
        EXPECT_EQ(loaded.m_kind, kind) << name;
        EXPECT_EQ(loaded.m_name.find('['), std::string::npos) << name;
    }
}

TEST(MemNode, AKindMarkerOrElseTheFieldSaysTheKind)
{
    const std::string w0 = Hex("01 00 00 00 02 57 30 01 00 00 00 00 00 00 00");
    const std::string text = Hex("01 00 00 00 07 54 5B 54 45 58 54 5D 01 53 01 00 00 00 00 00 00 00");
    // Whatever the node held before: the same bytes give the same kind.
    CArchive ar(w0 + text);
    CVXMemNode node;
    node.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    node.m_subName = "old";
    node.Serialize(ar, CVXMemNode::KIND_GRAPH);
    EXPECT_EQ(Parts(node), "57 30||110");
    node.Serialize(ar, CVXMemNode::KIND_GRAPH);
    EXPECT_EQ(Parts(node), "54|53|210");
}

TEST(MemNode, ALoneLeadByteCannotSwallowTheKindSuffix)
{
    CVXMemNode node;
    node.m_name = "A\xFB";
    node.m_kind = CVXMemNode::KIND_LITERAL_TEXT;
    EXPECT_EQ(Parts(Load(StoredBytes(node))), "41 3F||310");
    // Loaded without a suffix, half a character becomes "?" as well, so that
    // a kind given later survives the next store.
    EXPECT_EQ(Load(Hex("01 00 00 00 02 41 FB 01 00 00 00 00 00 00 00")).m_name, "A?");
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
}

TEST(MemNode, ScriptFormEqualityAndCopy)
{
    // Name, script form, display text.
    const char* const cases[][3] = {{"", "", ""},       {"12", "#12", "#12"},         {"-", "#-", "#-"},
                                    {"1.5", "1.5", "1.5"}, {"T[TEXT]", "T", "T[TEXT]"},
                                    {"G[GRAPH]x[TEXT]", "Gx[TEXT]", "G[GRAPH]x[TEXT]"}};
    for (const auto& c : cases) {
        CVXMemNode node;
        node.m_name = c[0];
        EXPECT_EQ(node.GetScriptForm() + "|" + node.GetDisplayText(), std::string(c[1]) + "|" + c[2]);
    }
    // A number compares by value alone.
    CVXMemNode a, b;
    a.m_name = "W0";
    b.m_name = "W1";
    b.m_isText = a.m_isText = 0;
    EXPECT_TRUE(a == b);
    // A copy keeps the name put aside while its device is gone.
    a.m_text2 = "parked";
    EXPECT_EQ(CVXMemNode(a).m_text2, "parked");
}

}
