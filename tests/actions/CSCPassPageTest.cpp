#include <gtest/gtest.h>

#include "actions/CSCPassPage.h"
#include "support/ActionRoundTrip.h"

TEST(PassPage, ArchiveScriptAndCaption)
{
    // The caption is UTF-8.
    const struct { const char* password; int32_t jumpPage, keypadPage; const char *bytes, *lines, *caption; } cases[] = {
        {"1234", 7, 3, "04 31 32 33 34 07 00 00 00 03 00 00 00", "$1234\n\tVALSET _PasskeyPage #3\n\tVALSET _PasskeyOkPage #7",
         "ページ7へ移動:パスワードﾞ '1234'[キーパッド ページ3に配置]"},
        {"", 12, -1, "00 0C 00 00 00 FF FF FF FF", "$\n\tVALSET _PasskeyPage #-1\n\tVALSET _PasskeyOkPage #12",
         "ページ12へ移動:パスワードﾞ ''[キーパッド ページ-1に配置]"},
        {"", 0, 3, "00 00 00 00 00 03 00 00 00", "$\n\tVALSET _PasskeyPage #3\n\tVALSET _PasskeyOkPage #0",
         "!入力にエラーがあります"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        CSCPassPage jump(nullptr);
        jump.m_password = c.password;
        jump.m_jumpPage = c.jumpPage;
        jump.m_keypadPage = c.keypadPage;
        CSCPassPage loaded(nullptr);
        ExpectRoundTrip(jump, loaded, c.bytes);
        EXPECT_TRUE(loaded.CompareProperties(&jump));
        EXPECT_EQ(jump.ExportStr("[NAME]_0_", nullptr),
                  "\tCP 9 _Password " + std::string(c.lines) + "\n\tSUB _PasskeyCall\n");
        EXPECT_EQ(jump.ExportStr("INITIAL", nullptr) + jump.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(jump.GetCaption(), Sj(c.caption));
        loaded.m_password = "0";
        EXPECT_FALSE(loaded.CompareProperties(&jump));
    }
    CSCPassPage jump(nullptr);
    jump.m_jumpPage = 1;
    EXPECT_EQ(jump.IsInvalid(), 1);
    EXPECT_EQ(std::make_pair(jump.MergeLimit(0x02), jump.MergeLimit(0x85)), std::make_pair(0, 1));
}
