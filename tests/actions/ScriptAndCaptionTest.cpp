// The script lines and captions of the kinds whose script is one template,
// byte for byte; the branch's depend on the labels around it. The steps of the
// repeating kinds have tests of their own.
#include <gtest/gtest.h>

#include <optional>

#include "actions/CSCLabel.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"
#include "support/Settings.h"

namespace {

const char* const kError = "!入力にエラーがあります";

// The main pass's script is UTF-8 written as CP932 unless the host's font builder takes UTF-8 (no
// script: only the caption is checked); the flags say the host has layers, has the font builder, and
// the "INITIAL" pass writes the main pass too.
struct Row {
    int type;
    std::string settings;
    std::optional<std::string> script;
    const char* caption;
    bool layers = false, fontBuilder = false, initialToo = false;
};

const std::string kCalc = "Dest=W0|Delta=1|Lower=0|Upper=10|Beep=0|";
const std::string kClock = "Hour=W1|Minute=W2|Delta=-15|LimitHour=23|LimitMinute=W9|Beep=0|";
const char* const kGiven = "\tCHANGE_PAGE 0 0 W100\n";
const char* const kPass = "\tCP 9 _Password $1234\n\tVALSET _PasskeyPage #3\n\tVALSET _PasskeyOkPage #7\n"
                          "\tSUB _PasskeyCall\n";
// A placeholder word in the password is replaced by the replacement after it.
const char* const kPassPlaceholders = "\tCP 9 _Password $#1[KEYPAGE]\n\tVALSET _PasskeyPage #2\n"
                                      "\tVALSET _PasskeyOkPage #1\n\tSUB _PasskeyCall\n";
const char* const kWrite = "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+IDX\n\tMOV b(tmpAddr) #5\n\tUPDATE_MEMLINK GR1\n";
const char* const kRead = "\tEDIM tmpAddr w\n\tEXPR tmpAddr=&GR1+#3\n\tMOV W0 b(tmpAddr)\n";
// Destination VAL1 on page 3, five digits with one fraction digit, no range check.
const std::string kKeypad = "Dest=VAL1|KeyPage=3|FracDigits=1";
// Every option on, the lower bound left empty.
const std::string kKeypadAll = kKeypad + "|RangeCheck=1|RangeMax=100|FracFromMem=1|FracMem=2|UseMessage=1|"
                                         "Message=p[KEYPAGE]|UseActLink=1|ActLink=PLC1!Btn1!Push";
const std::string kKeypadHead = "\tVALSET _TenkeyLinkMemAddr &VAL1\n\tVALSET _TenkeyLinkMemType :VAL1\n"
                                "\tVALSET _TenkeyKeyPage #3\n\tVALSET _TenkeyRangeCheck #";

const std::string kLinkOn = "\tVALSET _MODE_ACTION_LINK #1\n\tSUB ";
const std::string kLinkOff = "\n\tVALSET _MODE_ACTION_LINK #0\n";
const std::string kFormat = "Target=TXT1|Operation=5|Source=W0|Source.aux=";

const Row kRows[] = {
    {SC_PAGEJUMP, "m_mode=0x800A0002|m_page=5", "\tCHANGE_PAGE 1 10 #5\n", "LAYER2 ページ5に移動 エフェクト=フェード", true},
    {SC_PAGEJUMP, "m_mode=0x00010000", "\tEDIM tmpW W\n\tEXPR tmpW=LAYER1+#1\n\tCHANGE_PAGE 0 1 tmpW\n",
     "LAYER1 次ページに移動 エフェクト=スクロール ←", true},
    {SC_PAGEJUMP, "m_mode=0x00080001", "\tEDIM tmpW W\n\tEXPR tmpW=LAYER1-#1\n\tCHANGE_PAGE 0 8 tmpW\n",
     "LAYER1 前ページに移動 エフェクト=スライド ↓", true},
    {SC_PAGEJUMP, "m_mode=2|m_page=W100", kGiven, "LAYER1 ページW100に移動 エフェクト=なし", true},
    {SC_PAGEJUMP, "m_mode=-1|m_page=5", "", kError, true},
    {SC_PAGEJUMP, "m_mode=0", "\tEXPR LAYER1=LAYER1+#1\n", "次ページに移動"},
    {SC_PAGEJUMP, "m_mode=1", "\tEXPR LAYER1=LAYER1-#1\n", "前ページに移動"},
    {SC_PAGEJUMP, "m_mode=2|m_page=12", "\tMOV LAYER1 #12\n", "ページ 12に移動"},
    {SC_PAGEJUMP, "m_mode=0x800A0002|m_page=5", "", kError},
    {SC_SETVALUE, "", "\tMOV  \n", kError},
    {SC_SETVALUE, "Dest=温度|Source=W1", "\tMOV 温度 W1\n", "温度へW1を書込み\n"},
    {SC_SETVALUE, "Dest=W0[GRAPH]|Source=-3", "\tMOV W0 #-3\n", "W0[GRAPH]へ-3を書込み\n"},
    {SC_CALC, kCalc + "AutoRepeat=1|Accelerate=1|RangeCheck=1|Wrap=1", {}, "W0に1を加算:オートリピート[加速あり]上下限チェックあり 0～10 ループあり"},
    {SC_CALC, kCalc + "Accelerate=1|RangeCheck=1", {}, "W0に1を加算上下限チェックあり 0～10 "},
    {SC_CALC, kCalc + "AutoRepeat=1|Wrap=1|Lower=", {}, "W0に1を加算:オートリピート"},
    {SC_CALC, kCalc + "AutoRepeat=2|Accelerate=1|RangeCheck=2", {}, "W0に1を加算"},
    {SC_CALC, kCalc + "RangeCheck=1|Lower=", {}, kError},
    {SC_CALCTIME, kClock + "Accelerate=1", {}, "時 (W1):分(W2)を-15(分)加算"},
    {SC_CALCTIME, kClock + "AutoRepeat=1|Accelerate=1|TimeLimit=1", {}, "時 (W1):分(W2)を-15(分)加算オートリピートあり[加速あり]:制限 23時W9分"},
    {SC_CALCTIME, "", {}, kError},
    {SC_COMM, "Content=Hello World", "\tOUTPUT $Hello World\n", "メッセージを出力:'Hello World'"},
    {SC_COMM, "", "\tOUTPUT $\n", kError},
    {SC_COMM, "ContentKind=1|Content=TXT1[TEXT]", "\tOUTPUT_N $TXT1\n", "メモリー値を出力:TXT1[TEXT]"},
    {SC_COMM, "ContentKind=2", "\tOUTPUT $[NAME]_[EVENT]\n", "ボタン&イベント名を出力"},
    {SC_COMM, "ContentKind=3|Content=X", "", "ボタン&イベント名を出力"},
    // The font builder takes the whole line in UTF-8.
    {SC_COMM, "Content=開始", "\tOUTPUT $開始\n", "メッセージを出力:'開始'", false, true},
    {SC_PASSPAGE, "m_password=1234|m_jumpPage=7|m_keypadPage=3", kPass, "ページ7へ移動:パスワードﾞ '1234'[キーパッド ページ3に配置]"},
    {SC_PASSPAGE, "m_password=1234|m_keypadPage=3", cp932::ReplaceAll(kPass, "#7", "#0"), kError},
    {SC_PASSPAGE, "m_password=[JUMPPAGE][KEYPAGE]|m_jumpPage=1|m_keypadPage=2", kPassPlaceholders,
     "ページ1へ移動:パスワードﾞ '[JUMPPAGE][KEYPAGE]'[キーパッド ページ2に配置]"},
    {SC_OPE, "Result=W0|Left=W1|Right=3|Operator=4", "\tEXPR W0 = W1 % #3\n", "W0 = W1 % 3\n"},
    {SC_OPE, "Result=W0[GRAPH]|Left=-2|Right=W2[GRAPH]|Operator=0", "\tEXPR W0 = #-2 + W2\n", "W0[GRAPH] = -2 + W2[GRAPH]\n"},
    {SC_OPE, "Result=W0|Left=W1|Right=W2", "\tEXPR W0 = W1  W2\n", kError},
    {SC_CALL, "m_routine=INIT: x", "\tSUB INIT\n", "サブルーチン呼び出し:'INIT: x'"},
    {SC_CALL, "m_routine=::A:B", "\tSUB A\n", "サブルーチン呼び出し:'::A:B'"},
    {SC_CALL, "", "\tSUB \n", kError},
    {SC_ACTIONLINK, "m_target=PLC1!Btn1!Push", kLinkOn + "PLC1Push" + kLinkOff, "アクションリンクの設定:'PLC1!Btn1'", false, false, true},
    {SC_ACTIONLINK, "m_target=!B", kLinkOn + "B" + kLinkOff, "アクションリンクの設定:''", false, false, true},
    {SC_ACTIONLINK, "", kLinkOn + kLinkOff, kError, false, false, true},
    {SC_STRING, "Target=TXT1", "", kError},
    {SC_STRING, "Target=TXT1|Operation=0", "BS TXT1\n", "TXT1の末尾削除"},
    {SC_STRING, "Target=TXT1|Operation=1|Text=a b\nc", "APD 80 TXT1 $a b\nc\n", "TXT1に'a b\nc'を追加"},
    {SC_STRING, "Target=TXT1[TEXT]|Operation=2|Text=abc", "CP 80 TXT1 $abc\n", "TXT1[TEXT]に'abc'をセット"},
    {SC_STRING, "Target=TXT1|Operation=3|Source=TXT2", "APD 80 TXT1 TXT2\n", "TXT1にTXT2を追加"},
    {SC_STRING, "Target=TXT1|Operation=4", "CP 80 TXT1 \n", kError},
    {SC_STRING, kFormat + "0x42", "FMT 7 2 3 TXT1 W0\n", "TXT1にW0を書式化してセット"},
    // Fraction digits of 16 or more spill into the integer digits: 1 and 16 pack to 2 and 0.
    {SC_STRING, kFormat + "32", "FMT 2 0 3 TXT1 W0\n", "TXT1にW0を書式化してセット"},
    {SC_STRING, "Target=TXT1|Operation=6|Source.aux=0", "BS_ESC TXT1\n", "TXT1の末尾削除(ESC対応)"},
    {SC_STRING, "Target=TXT1|Operation=7|Source=W0", "", ""},
    {SC_STRING, "Target=文字|Operation=1|Text=表示", "APD 80 \x95\xB6\x8E\x9A $表示\n", "文字に'表示'を追加", false, true},
    {SC_REFSH, "", "\tREFSH\n", ""},
    {SC_KEYPAD, kKeypad,
     kKeypadHead + "0\n\tVALSET _TenkeyRangeCheckMax #0\n\tVALSET _TenkeyRangeCheckMin #0\n\tVALSET _TenkeyLength #5\n"
                 "\tVALSET _TenkeyFloatLength #1\n\tVALSET _TenkeyCancelCallBack #0\n\tVALSET _TenkeyCallBack #0\n"
                 "\tSUB _TenkeyCall\n",
     "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 小数部桁:1]"},
    {SC_KEYPAD, kKeypadAll,
     kKeypadHead + "1\n\tVALSET _TenkeyRangeCheckMax #100\n\tVALSET _TenkeyRangeCheckMin #0\n\tVALSET _TenkeyLength #5\n"
                 "\tVALSET _TenkeyFloatLength #2\n\tVALSET _TenkeyCancelCallBack #0\n"
                 "\tVALSET _TenkeyCallBack #_Tenkey_MessageCallback_Func\n\tVALSET _Tenkey_MessageCallback_IsMes #1\n"
                 "\tCP 40 _Tenkey_MessageCallback_Mes $p#3\n\tVALSET _TenkeyCallBackActLink #PLC1Push\n"
                 "\tSUB _TenkeyCall\n",
     kError},
    {SC_KEYPAD, kKeypad + "|Dest.kind=2|UseActLink=1|ActLink=Sub",
     "\tVALSET _ASCII_KeyDestAddr &VAL1\n\tVALSET _ASCII_KeyPage #3\n\tVALSET _ASCII_KeyDestLen #80\n"
     "\tVALSET _ASCII_KeyCancelCallBack  #0\n\tVALSET _ASCII_KeyEntCallBack  #_Tenkey_MessageCallback_Func\n"
     "\tVALSET _Tenkey_MessageCallback_IsMes #0\n\tVALSET _TenkeyCallBackActLink #Sub\n\tSUB _ASCII_keyCall\n",
     "文字キーパッド呼び出し[書き込み先:VAL1 配置ページ:3]"},
    {SC_KEYPAD, kKeypadAll + "|RangeMin=-5", {},
     "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 小数部桁:'#2'で制御 範囲チェックあり 上限:100 下限:-5"
     " 確定時 メッセージあり:'p[KEYPAGE]' アクションリンクあり:'PLC1!Btn1']"},
    {SC_KEYPAD, kKeypad + "|FracDigits=0|UseActLink=1|ActLink=Sub", {},
     "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 確定時 アクションリンクあり:'']"},
    {SC_SETGRAPHMEM, "GraphMem=GR1|Position=IDX|Value=5", kWrite, "GR1[位置指定:IDX]#5 を書き込み\n"},
    {SC_SETGRAPHMEM, "GraphMem=GR1[GRAPH]|Position=3|Value=W0|Access=1", kRead, "GR1[位置指定:#3]W0 に読み出し\n"},
    {SC_SETGRAPHMEM, "GraphMem=GR1|Value=W0|Access=1", cp932::ReplaceAll(kRead, "#3", ""), kError},
    {SC_LABEL, "m_name=終 了", "\tR_LBL _[NAME]_[EVENT]_終 了\n", "分岐先ラベル:'終 了'"},
    {SC_LABEL, "", "\tR_LBL _[NAME]_[EVENT]_\n", kError},
    {SC_ACTIONEXIT, "", "\tR_JP _[NAME]_[EVENT]_Exit\n", ""},
};

class ScriptAndCaption : public testing::TestWithParam<Row> {};

TEST_P(ScriptAndCaption, AreExactlyTheKindsTemplates)
{
    const Row& row = GetParam();
    SCOPED_TRACE(row.settings);
    FakeHost host;
    host.layers = row.layers;
    if (row.fontBuilder)
        host.features["WIZ_FONTBUILDER"] = {};
    CStepchainData list;
    std::unique_ptr<IStepchain> action(Make(list, row.type, row.settings));
    if (row.script) {
        const std::string script = row.fontBuilder ? *row.script : Sj(*row.script);
        // Any key but "INITIAL" and "INTERVAL" is the main pass.
        EXPECT_EQ(action->ExportStr("_Btn_[EVENT]_L0_", nullptr), script);
        EXPECT_EQ(action->ExportStr("initial", nullptr), script);
        EXPECT_EQ(action->ExportStr("INITIAL", nullptr), row.initialToo ? script : "");
        EXPECT_EQ(action->ExportStr("INTERVAL", nullptr), "");
    }
    EXPECT_EQ(action->GetCaption(), Sj(row.caption));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ScriptAndCaption, testing::ValuesIn(kRows));

CSCLabel* AddLabel(CStepchainData& list, const std::string& name)
{
    list.AddSC(Make(list, SC_LABEL, "m_name=" + name));
    return static_cast<CSCLabel*>(list.GetActions().back());
}

TEST(Label, ASecondLabelOfTheNameIsInvalidAndSaysSo)
{
    CStepchainData list;
    CSCLabel* a = AddLabel(list, "A");
    CSCLabel* empty = AddLabel(list, "");
    AddLabel(list, "A");
    EXPECT_EQ(a->IsInvalid(), -1);
    // One buffer for the class: the first reference now shows the last call.
    const std::string& first = empty->GetCaption();
    a->GetCaption();
    EXPECT_EQ(first, Sj("分岐先ラベル:'A'同名ラベルは定義できません"));
}

TEST(Branch, ScriptCaptionAndLabelCheck)
{
    const std::string jump = "\tR_JP _[NAME]_[EVENT]_A\n";
    const std::string branch = "\n\tR_BR _[NAME]_[EVENT]_A\n";
    // Label names with "*" for the branch to label A, its settings, script, caption and IsInvalid code.
    const std::tuple<std::vector<std::string>, const char*, std::string, const char*, int> cases[] = {
        {{"*", "A"}, "Condition=2|Subject=W0|Reference=5", "\tCMP >= W0 #5" + branch, "条件\tW0 >= #5　を満たすときラベル Aに分岐\n", 0},
        {{"*", "A"}, "Condition=4|Subject=G1[GRAPH]|Reference=W1", "\tCMP != G1 W1" + branch, "条件\tG1 != W1　を満たすときラベル Aに分岐\n", 0},
        {{"*", "A"}, "Condition=1|Reference=5", "\tCMP =  #5" + branch, kError, -1},
        {{"*", "A"}, "Condition=3|Subject=W0", "\tCMP <= W0 " + branch, kError, -1},
        {{"*", "A"}, "Condition=5|Subject=W0|Reference=5", jump, kError, -1},
        {{"*", "A"}, "", jump, "ラベル\tA に分岐\n", 0},
        {{"A", "*"}, "", jump, "ラベル\tA に分岐\n !前方分岐はできません", 2},
        {{"A", "*", "A"}, "", jump, "ラベル\tA に分岐\n !前方分岐はできません", 2},
        {{"B", "*", "a"}, "", jump, "ラベル\tA に分岐\n !分岐先ラベル未定義", 1},
        {{"*", "A"}, "Label=", "\tR_JP _[NAME]_[EVENT]_\n", kError, -1},
    };
    for (const auto& [rows, settings, script, caption, code] : cases) {
        SCOPED_TRACE(settings);
        CStepchainData list;
        IStepchain* branch = nullptr;
        for (const std::string& row : rows) {
            if (row == "*")
                list.AddSC(branch = Make(list, SC_BRANCH, "Label=A|" + std::string(settings)));
            else
                AddLabel(list, row);
        }
        EXPECT_EQ(branch->ExportStr("_L1_", nullptr), script);
        EXPECT_EQ(branch->ExportStr("INITIAL", nullptr) + branch->ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(branch->GetCaption(), Sj(caption));
        EXPECT_EQ(branch->IsInvalid(), code);
    }
}

}
