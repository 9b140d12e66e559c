#include <gtest/gtest.h>

#include "actions/CSCKeypad.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"

namespace {

// Destination VAL1 on page 3, five digits with one fraction digit, no range check.
const std::string kBase = "Dest=VAL1|KeyPage=3|FracDigits=1";
// Every option on, the lower bound left empty.
const std::string kEverything = kBase + "|RangeCheck=1|RangeMax=100|FracFromMem=1|FracMem=2|UseMessage=1|"
                                        "Message=p[KEYPAGE]|UseActLink=1|ActLink=PLC1!Btn1!Push";
const std::string kHead = "\tVALSET _TenkeyLinkMemAddr &VAL1\n\tVALSET _TenkeyLinkMemType :VAL1\n"
                          "\tVALSET _TenkeyKeyPage #3\n\tVALSET _TenkeyRangeCheck #";

}

TEST(CSCKeypad, ScriptAndCaption)
{
    const std::tuple<std::string, std::string, const char*> cases[] = {
        {kBase,
         kHead + "0\n\tVALSET _TenkeyRangeCheckMax #0\n\tVALSET _TenkeyRangeCheckMin #0\n\tVALSET _TenkeyLength #5\n"
                 "\tVALSET _TenkeyFloatLength #1\n\tVALSET _TenkeyCancelCallBack #0\n\tVALSET _TenkeyCallBack #0\n"
                 "\tSUB _TenkeyCall\n",
         "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 小数部桁:1]"},
        {kEverything,
         kHead + "1\n\tVALSET _TenkeyRangeCheckMax #100\n\tVALSET _TenkeyRangeCheckMin #0\n\tVALSET _TenkeyLength #5\n"
                 "\tVALSET _TenkeyFloatLength #2\n\tVALSET _TenkeyCancelCallBack #0\n"
                 "\tVALSET _TenkeyCallBack #_Tenkey_MessageCallback_Func\n\tVALSET _Tenkey_MessageCallback_IsMes #1\n"
                 "\tCP 40 _Tenkey_MessageCallback_Mes $p#3\n\tVALSET _TenkeyCallBackActLink #PLC1Push\n"
                 "\tSUB _TenkeyCall\n",
         "!入力にエラーがあります"},
        {kBase + "|Dest.kind=2|UseActLink=1|ActLink=Sub",
         "\tVALSET _ASCII_KeyDestAddr &VAL1\n\tVALSET _ASCII_KeyPage #3\n\tVALSET _ASCII_KeyDestLen #80\n"
         "\tVALSET _ASCII_KeyCancelCallBack  #0\n\tVALSET _ASCII_KeyEntCallBack  #_Tenkey_MessageCallback_Func\n"
         "\tVALSET _Tenkey_MessageCallback_IsMes #0\n\tVALSET _TenkeyCallBackActLink #Sub\n\tSUB _ASCII_keyCall\n",
         "文字キーパッド呼び出し[書き込み先:VAL1 配置ページ:3]"},
        {kEverything + "|RangeMin=-5", "",
         "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 小数部桁:'#2'で制御 範囲チェックあり 上限:100 下限:-5"
         " 確定時 メッセージあり:'p[KEYPAGE]' アクションリンクあり:'PLC1!Btn1']"},
        {kBase + "|FracDigits=0|UseActLink=1|ActLink=Sub", "",
         "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 確定時 アクションリンクあり:'']"},
    };
    CStepchainData list;
    for (const auto& [settings, script, caption] : cases) {
        std::unique_ptr<IStepchain> keypad(Make(list, SC_KEYPAD, settings));
        if (!script.empty()) {
            EXPECT_EQ(keypad->ExportStr("_L0_", nullptr), script);
        }
        EXPECT_EQ(keypad->ExportStr("INITIAL", nullptr) + keypad->ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(keypad->GetCaption(), Sj(caption));
    }
}
