#include <gtest/gtest.h>

#include "actions/CSCPassPage.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"

namespace {

struct Case {
    const char* password;
    int32_t jumpPage;
    int32_t keypadPage;
    const char* bytes;
    const char* script;
    const char* caption;  // UTF-8
};

const Case kCases[] = {
    {"1234", 7, 3, "04 31 32 33 34 07 00 00 00 03 00 00 00",
     "\tCP 9 _Password $1234\n\tVALSET _PasskeyPage #3\n\tVALSET _PasskeyOkPage #7\n\tSUB _PasskeyCall\n",
     "ページ7へ移動:パスワードﾞ '1234'[キーパッド ページ3に配置]"},
    {"", 12, -1, "00 0C 00 00 00 FF FF FF FF",
     "\tCP 9 _Password $\n\tVALSET _PasskeyPage #-1\n\tVALSET _PasskeyOkPage #12\n\tSUB _PasskeyCall\n",
     "ページ12へ移動:パスワードﾞ ''[キーパッド ページ-1に配置]"},
    {"99", 0, 3, "02 39 39 00 00 00 00 03 00 00 00",
     "\tCP 9 _Password $99\n\tVALSET _PasskeyPage #3\n\tVALSET _PasskeyOkPage #0\n\tSUB _PasskeyCall\n",
     "!入力にエラーがあります"},
    {"", 0, 0, "00 00 00 00 00 00 00 00 00",
     "\tCP 9 _Password $\n\tVALSET _PasskeyPage #0\n\tVALSET _PasskeyOkPage #0\n\tSUB _PasskeyCall\n",
     "!入力にエラーがあります"},
};

}

TEST(PassPage, ArchiveScriptAndCaption)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.bytes);
        CSCPassPage jump(nullptr);
        jump.m_password = c.password;
        jump.m_jumpPage = c.jumpPage;
        jump.m_keypadPage = c.keypadPage;
        CArchive out;
        jump.Serialize(out);
        EXPECT_EQ(ToHex(out.GetStored()), c.bytes);
        EXPECT_EQ(jump.ExportStr("[NAME]_0_", nullptr), c.script);
        EXPECT_EQ(jump.ExportStr("INITIAL", nullptr) + jump.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(jump.GetCaption(), Sj(c.caption));

        CSCPassPage loaded(nullptr);
        CArchive in(Hex(c.bytes));
        loaded.Serialize(in);
        EXPECT_TRUE(loaded.CompareProperties(&jump));
        CArchive again;
        loaded.Serialize(again);
        EXPECT_EQ(again.GetStored(), out.GetStored());
    }
}

TEST(PassPage, DefaultsValidityCopyCompareAndLimit)
{
    CStepchainData list;
    IStepchain* created = list.CreateSC(SC_PASSPAGE);
    list.AddSC(created);
    auto* jump = static_cast<CSCPassPage*>(created);
    EXPECT_EQ(jump->IsInvalid(), 1);
    jump->m_jumpPage = 7;
    EXPECT_EQ(jump->IsInvalid(), 1);
    jump->m_keypadPage = 3;
    EXPECT_EQ(jump->IsInvalid(), 0);

    CSCPassPage copy(nullptr);
    copy.CopyPropertiesFrom(jump);
    EXPECT_TRUE(copy.CompareProperties(jump));
    for (auto change : {+[](CSCPassPage& p) { p.m_password = "0"; }, +[](CSCPassPage& p) { p.m_jumpPage = 8; },
                        +[](CSCPassPage& p) { p.m_keypadPage = 4; }}) {
        CSCPassPage other(nullptr);
        other.CopyPropertiesFrom(jump);
        change(other);
        EXPECT_FALSE(other.CompareProperties(jump));
    }
    EXPECT_FALSE(jump->MergeLimit(0x02));
    EXPECT_TRUE(jump->MergeLimit(0x01 | 0x04 | 0x80));
}
