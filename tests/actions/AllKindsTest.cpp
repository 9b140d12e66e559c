#include <gtest/gtest.h>

#include "core/CStepchainData.h"
#include "core/Texts.h"
#include "support/Bytes.h"
#include "support/Stored.h"
#include "support/FakeHost.h"

namespace {

class AllKinds : public testing::TestWithParam<int> {};

TEST_P(AllKinds, StoreLoadStoreIsByteIdenticalAndEqual)
{
    FakeHost host;
    host.settings.DefaultAutoRepeat = 1;
    host.settings.DefaultBeep = 1;
    CStepchainData list;
    IStepchain* action = list.CreateSC(GetParam());
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->GetActionType(), GetParam());
    list.AddSC(action);
    const std::string first = StoredBytes(list);

    CStepchainData loaded;
    CArchive in(first);
    loaded.Serialize(in);
    EXPECT_EQ(in.GetRemaining(), 0u);
    EXPECT_EQ(ToHex(StoredBytes(loaded)), ToHex(first));
    EXPECT_EQ(loaded.CompareProperties(&list), 1);

    CStepchainData copy;
    copy.CopyPropertiesFrom(&loaded);
    EXPECT_EQ(copy.CompareProperties(&list), 1);
    EXPECT_EQ(ToHex(StoredBytes(copy)), ToHex(first));
    for (int mode : {0, 1, 2})
        EXPECT_EQ(copy.ExportStr(mode), list.ExportStr(mode));
    EXPECT_EQ(copy.ExportSpecStr(), list.ExportSpecStr());
}

TEST_P(AllKinds, DiffersFromEveryOtherKind)
{
    CStepchainData list;
    std::unique_ptr<IStepchain> action(list.CreateSC(GetParam()));
    for (int other = 0; other < SC_TYPE_COUNT; ++other) {
        std::unique_ptr<IStepchain> second(list.CreateSC(other));
        EXPECT_EQ(action->CompareProperties(second.get()), other == GetParam() ? 1 : 0) << other;
    }
}

INSTANTIATE_TEST_SUITE_P(TypeIds, AllKinds, testing::Range(0, static_cast<int>(SC_TYPE_COUNT)),
                         [](const auto& info) { return "Type" + std::to_string(info.param); });

TEST(AllKinds, KindNamesInTypeIdOrder)
{
    const char* names[] = {"ページ移動", "値セット", "加減算", "時刻加減算", "通信出力", "認証付きページジャンプ",
                           "キーパッド呼出", "算術演算", "サブルーチン呼び出し", "アクションリンク", "文字列操作",
                           "描画更新", "グラフメモリーアクセス", "ラベル", "条件分岐", "アクション終了"};
    for (int type = 0; type < SC_TYPE_COUNT; ++type)
        EXPECT_EQ(KindName(type), Sj(names[type])) << type;
    EXPECT_EQ(KindName(16), "");
}

}
