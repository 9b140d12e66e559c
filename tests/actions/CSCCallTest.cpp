#include <gtest/gtest.h>

#include "actions/CSCCall.h"
#include "support/ActionRoundTrip.h"

TEST(Call, ScriptCallsTheNameBeforeTheFirstColon)
{
    // Routine and name are UTF-8.
    const struct { const char *routine, *name, *bytes; } cases[] = {
        {"INIT: x", "INIT", "07 49 4E 49 54 3A 20 78"},
        {"::A:B", "A", "05 3A 3A 41 3A 42"},
        {"初期化:表", "初期化", "09 8F 89 8A FA 89 BB 3A 95 5C"},
        {"", "", "00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.routine);
        CSCCall call(nullptr);
        call.m_routine = Sj(c.routine);
        CSCCall loaded(nullptr);
        ExpectRoundTrip(call, loaded, c.bytes);
        EXPECT_TRUE(loaded.CompareProperties(&call));
        EXPECT_EQ(call.ExportStr("[NAME]_0_", nullptr), "\tSUB " + Sj(c.name) + "\n");
        EXPECT_EQ(call.ExportStr("INITIAL", nullptr) + call.ExportStr("INTERVAL", nullptr), "");
        const bool empty = *c.routine == '\0';
        EXPECT_EQ(call.GetCaption(),
                  empty ? Sj("!入力にエラーがあります") : Sj("サブルーチン呼び出し:'") + call.m_routine + "'");
        EXPECT_EQ(call.IsInvalid(), empty ? 1 : 0);
    }
    CSCCall call(nullptr);
    EXPECT_TRUE(call.MergeLimit(0xFFFFFFFF));
}
