#include <gtest/gtest.h>

#include "actions/CSCCall.h"
#include "actions/CSCLabel.h"
#include "support/Bytes.h"

TEST(Call, ScriptCallsTheNameBeforeTheFirstColon)
{
    const struct {
        const char* routine;  // UTF-8
        const char* script;   // UTF-8
        const char* caption;  // UTF-8
    } cases[] = {
        {"INIT: start-up", "\tSUB INIT\n", "サブルーチン呼び出し:'INIT: start-up'"},
        {"MAIN", "\tSUB MAIN\n", "サブルーチン呼び出し:'MAIN'"},
        {"::A:B", "\tSUB A\n", "サブルーチン呼び出し:'::A:B'"},
        {":", "\tSUB \n", "サブルーチン呼び出し:':'"},
        {"初期化:表示", "\tSUB 初期化\n", "サブルーチン呼び出し:'初期化:表示'"},
        {"", "\tSUB \n", "!入力にエラーがあります"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.routine);
        CSCCall call(nullptr);
        call.m_routine = Sj(c.routine);
        EXPECT_EQ(call.ExportStr("[NAME]_0_", nullptr), Sj(c.script));
        EXPECT_EQ(call.ExportStr("INITIAL", nullptr) + call.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(call.GetCaption(), Sj(c.caption));
        EXPECT_EQ(call.IsInvalid(), *c.routine == '\0' ? 1 : 0);
    }
}

TEST(Call, ArchiveCopyCompareAndLimit)
{
    CSCCall call(nullptr);
    call.m_routine = "INIT: x";
    CArchive out;
    call.Serialize(out);
    EXPECT_EQ(ToHex(out.GetStored()), "07 49 4E 49 54 3A 20 78");

    CSCCall loaded(nullptr);
    CArchive in(out.GetStored());
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_routine, "INIT: x");

    CSCCall copy(nullptr);
    copy.CopyPropertiesFrom(&call);
    EXPECT_TRUE(copy.CompareProperties(&call));
    copy.m_routine = "INIT: y";
    EXPECT_FALSE(copy.CompareProperties(&call));
    CSCLabel label(nullptr);
    label.m_name = call.m_routine;
    EXPECT_FALSE(call.CompareProperties(&label));
    EXPECT_TRUE(call.MergeLimit(0xFFFFFFFF));
}
