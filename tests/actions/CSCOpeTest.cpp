#include <gtest/gtest.h>

#include "actions/CSCOpe.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"

TEST(CSCOpe, ScriptAndCaption)
{
    struct Case {
        const char* left;
        const char* right;
        int32_t op;
        const char* script;
        const char* caption;  // UTF-8
    };
    const Case cases[] = {
        {"W1", "3", 4, "\tEXPR W0 = W1 % #3\n", "W0 = W1 % 3\n"},
        {"-2", "W2[GRAPH]", 0, "\tEXPR W0 = #-2 + W2\n", "W0 = -2 + W2[GRAPH]\n"},
        {"W1", "1.5", 3, "\tEXPR W0 = W1 / 1.5\n", "W0 = W1 / 1.5\n"},
        {"W1", "W2", -1, "\tEXPR W0 = W1  W2\n", "!入力にエラーがあります"},
        {"", "W2", 2, "\tEXPR W0 =  * W2\n", "!入力にエラーがあります"},
    };
    CStepchainData list;
    for (const Case& c : cases) {
        CSCOpe ope(&list);
        ope.Result.m_name = "W0";
        ope.Left.m_name = c.left;
        ope.Right.m_name = c.right;
        ope.Operator = c.op;
        EXPECT_EQ(ope.ExportStr("_L0_", nullptr), c.script);
        EXPECT_EQ(ope.ExportStr("INITIAL", nullptr) + ope.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(ope.GetCaption(), Sj(c.caption));
    }
}

TEST(CSCOpe, OperatorOutsideTableSurvivesRoundTrip)
{
    const std::string bytes = "01 00 00 00 02 57 30 01 00 00 00 00 00 00 00 "
                              "01 00 00 00 02 57 31 01 00 00 00 00 00 00 00 "
                              "01 00 00 00 01 33 01 00 00 00 00 00 00 00 09 00 00 00";
    CStepchainData list;
    CSCOpe ope(&list);
    CArchive in(Hex(bytes));
    ope.Serialize(in);
    EXPECT_EQ(ope.IsInvalid(), 1);
    EXPECT_EQ(ope.ExportStr("_L0_", nullptr), "\tEXPR W0 = W1  #3\n");
    CArchive out;
    ope.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), bytes);
}
