#include <gtest/gtest.h>

#include "actions/CSCLabel.h"
#include "actions/CSCOpe.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"

namespace {

void Fill(CSCOpe& ope, const char* result, const char* left, const char* right, int32_t op)
{
    ope.Result.m_name = result;
    ope.Left.m_name = left;
    ope.Right.m_name = right;
    ope.Operator = op;
}

struct OpeCase {
    const char* result;
    const char* left;
    const char* right;
    int32_t op;
    const char* script;
    const char* caption;  // UTF-8
};

const OpeCase kCases[] = {
    {"W0", "W1", "3", 4, "\tEXPR W0 = W1 % #3\n", "W0 = W1 % 3\n"},
    {"W0", "-2", "W2[GRAPH]", 0, "\tEXPR W0 = #-2 + W2\n", "W0 = -2 + W2[GRAPH]\n"},
    {"W0", "W1", "0", 3, "\tEXPR W0 = W1 / #0\n", "W0 = W1 / 0\n"},
    {"W0", "W1", "W2", 2, "\tEXPR W0 = W1 * W2\n", "W0 = W1 * W2\n"},
    {"W0", "W1", "1.5", 1, "\tEXPR W0 = W1 - 1.5\n", "W0 = W1 - 1.5\n"},
    {"W0", "W1", "W2", -1, "\tEXPR W0 = W1  W2\n", "!入力にエラーがあります"},
    {"W0", "W1", "W2", 5, "\tEXPR W0 = W1  W2\n", "!入力にエラーがあります"},
    {"W0", "", "W2", 0, "\tEXPR W0 =  + W2\n", "!入力にエラーがあります"},
};

}

TEST(CSCOpe, ScriptAndCaption)
{
    CStepchainData list;
    for (const OpeCase& c : kCases) {
        CSCOpe ope(&list);
        Fill(ope, c.result, c.left, c.right, c.op);
        EXPECT_EQ(ope.ExportStr("_L0_", nullptr), c.script) << c.op;
        EXPECT_EQ(ope.ExportStr("INITIAL", nullptr), "");
        EXPECT_EQ(ope.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(ope.GetCaption(), Sj(c.caption)) << c.op;
    }
}

TEST(CSCOpe, DefaultsArchiveAndReportError)
{
    CStepchainData list;
    IStepchain* ope = list.CreateSC(SC_OPE);
    list.AddSC(ope);
    EXPECT_EQ(ope->IsInvalid(), 1);
    CArchive ar;
    ope->Serialize(ar);
    const std::string node = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";
    EXPECT_EQ(ToHex(ar.GetStored()), node + node + node + "FF FF FF FF");
}

TEST(CSCOpe, OperatorOutsideTableSurvivesRoundTrip)
{
    const std::string bytes = Hex("01 00 00 00 02 57 30 01 00 00 00 00 00 00 00"
                                  "01 00 00 00 02 57 31 01 00 00 00 00 00 00 00"
                                  "01 00 00 00 01 33 01 00 00 00 00 00 00 00 09 00 00 00");
    CStepchainData list;
    CSCOpe ope(&list);
    CArchive in(bytes);
    ope.Serialize(in);
    EXPECT_EQ(ope.Operator, 9);
    EXPECT_EQ(ope.IsInvalid(), 1);
    EXPECT_EQ(ope.ExportStr("_L0_", nullptr), "\tEXPR W0 = W1  #3\n");
    CArchive out;
    ope.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), ToHex(bytes));
}

TEST(CSCOpe, CopyCompareAndNodes)
{
    CStepchainData list;
    CSCOpe a(&list);
    CSCOpe b(&list);
    Fill(a, "W0", "W1", "3", 4);
    a.Right.m_text2 = "kept";
    b.CopyPropertiesFrom(&a);
    EXPECT_TRUE(b.CompareProperties(&a));
    EXPECT_EQ(b.Right.m_text2, "kept");
    b.Operator = 3;
    EXPECT_FALSE(b.CompareProperties(&a));
    CSCLabel label(&list);
    EXPECT_FALSE(a.CompareProperties(&label));

    MemNodeArray nodes;
    a.GetMemNodes(nodes);
    EXPECT_EQ(nodes, (MemNodeArray{&a.Result, &a.Left, &a.Right}));
    EXPECT_EQ(a.MergeLimit(0xFFFFFFFF), 1);
}
