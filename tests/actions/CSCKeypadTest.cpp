#include <gtest/gtest.h>

#include "actions/CSCKeypad.h"
#include "core/CStepchainData.h"
#include "support/Bytes.h"
#include "support/FakeHost.h"

namespace {

using Settings = void (*)(CSCKeypad&);

// Destination VAL1 on page 3, five digits with one fraction digit, no range check.
void Base(CSCKeypad& k)
{
    k.Dest.m_name = "VAL1";
    k.KeyPage = 3;
    k.FracDigits = 1;
}

// Every option on, the lower bound left empty.
void Everything(CSCKeypad& k)
{
    Base(k);
    k.RangeCheck = 1;
    k.RangeMax.m_name = "100";
    k.FracFromMem = 1;
    k.FracMem.m_name = "2";
    k.UseMessage = 1;
    k.Message = "p[KEYPAGE]";
    k.UseActLink = 1;
    k.ActLink = "PLC1!Btn1!Push";
}

void TextLinkedSub(CSCKeypad& k)
{
    Base(k);
    k.Dest.m_kind = CVXMemNode::KIND_TEXT;
    k.UseActLink = 1;
    k.ActLink = "Sub";
}

}

TEST(CSCKeypad, ScriptAndCaption)
{
    const std::string head = "\tVALSET _TenkeyLinkMemAddr &VAL1\n\tVALSET _TenkeyLinkMemType :VAL1\n"
                             "\tVALSET _TenkeyKeyPage #3\n\tVALSET _TenkeyRangeCheck #";
    const std::tuple<Settings, std::string, const char*> cases[] = {
        {Base,
         head + "0\n\tVALSET _TenkeyRangeCheckMax #0\n\tVALSET _TenkeyRangeCheckMin #0\n\tVALSET _TenkeyLength #5\n"
                "\tVALSET _TenkeyFloatLength #1\n\tVALSET _TenkeyCancelCallBack #0\n\tVALSET _TenkeyCallBack #0\n"
                "\tSUB _TenkeyCall\n",
         "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 小数部桁:1]"},
        {Everything,
         head + "1\n\tVALSET _TenkeyRangeCheckMax #100\n\tVALSET _TenkeyRangeCheckMin #0\n\tVALSET _TenkeyLength #5\n"
                "\tVALSET _TenkeyFloatLength #2\n\tVALSET _TenkeyCancelCallBack #0\n"
                "\tVALSET _TenkeyCallBack #_Tenkey_MessageCallback_Func\n\tVALSET _Tenkey_MessageCallback_IsMes #1\n"
                "\tCP 40 _Tenkey_MessageCallback_Mes $p#3\n\tVALSET _TenkeyCallBackActLink #PLC1Push\n"
                "\tSUB _TenkeyCall\n",
         "!入力にエラーがあります"},
        {TextLinkedSub,
         "\tVALSET _ASCII_KeyDestAddr &VAL1\n\tVALSET _ASCII_KeyPage #3\n\tVALSET _ASCII_KeyDestLen #80\n"
         "\tVALSET _ASCII_KeyCancelCallBack  #0\n\tVALSET _ASCII_KeyEntCallBack  #_Tenkey_MessageCallback_Func\n"
         "\tVALSET _Tenkey_MessageCallback_IsMes #0\n\tVALSET _TenkeyCallBackActLink #Sub\n\tSUB _ASCII_keyCall\n",
         "文字キーパッド呼び出し[書き込み先:VAL1 配置ページ:3]"},
    };
    CStepchainData list;
    for (const auto& [settings, script, caption] : cases) {
        CSCKeypad keypad(&list);
        settings(keypad);
        EXPECT_EQ(keypad.ExportStr("_L0_", nullptr), script);
        EXPECT_EQ(keypad.ExportStr("INITIAL", nullptr) + keypad.ExportStr("INTERVAL", nullptr), "");
        EXPECT_EQ(keypad.GetCaption(), Sj(caption));
    }
}

TEST(CSCKeypad, Caption)
{
    const std::pair<Settings, const char*> cases[] = {
        {[](CSCKeypad& k) { Everything(k); k.RangeMin.m_name = "-5"; },
         "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 小数部桁:'#2'で制御 範囲チェックあり 上限:100 下限:-5"
         " 確定時 メッセージあり:'p[KEYPAGE]' アクションリンクあり:'PLC1!Btn1']"},
        {[](CSCKeypad& k) { TextLinkedSub(k); k.Dest.m_kind = CVXMemNode::KIND_MEMORY; k.FracDigits = 0; },
         "キーパッド呼び出し[書き込み先:VAL1 配置ページ:3 総桁:5 確定時 アクションリンクあり:'']"},
        {[](CSCKeypad& k) { Base(k); k.Dest.m_name = "[TEXT]"; }, "!入力にエラーがあります"},
        {[](CSCKeypad&) {}, "!入力にエラーがあります"},
    };
    CStepchainData list;
    for (const auto& [settings, caption] : cases) {
        CSCKeypad keypad(&list);
        settings(keypad);
        EXPECT_EQ(keypad.GetCaption(), Sj(caption));
    }
}

TEST(CSCKeypad, ArchiveLayouts)
{
    const std::string empty = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";
    const std::string nodes = "01 00 00 00 04 56 41 4C 31 01 00 00 00 00 00 00 00 " + empty + empty;
    // From the fraction flag on: no flag, the fraction digits, no memory, page 3, no range check, no message.
    auto rest = [&](const char* frac) {
        return "00 00 00 00 " + std::string(frac) + " 00 00 00 " + empty + "03 00 00 00 00 00 00 00 00 00 00 00 00";
    };
    struct Case {
        std::string record;
        std::string stored;  // what storing the loaded action writes
    };
    const Case cases[] = {
        {nodes + "04 00 00 00 02 00 00 00 03 00 00 00 00 00 00 00", nodes + "FF FF FF FF 07 00 00 00 " + rest("02")},
        {nodes + "04 00 00 00 00 00 00 00 03 00 00 00 00 00 00 00", nodes + "FF FF FF FF 04 00 00 00 " + rest("00")},
        {nodes + "FF FF FF FF 06 00 00 00 " + rest("02"), nodes + "FF FF FF FF 06 00 00 00 " + rest("02")},
        {nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 01 00 00 00 05 41 21 42 21 43",
         nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 01 00 00 00 05 58 21 42 21 43"},
        // A link switched off keeps its target.
        {nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 00 00 00 00 01 41",
         nodes + "FE FF FF FF 06 00 00 00 " + rest("02") + " 00 00 00 00 01 58"},
    };
    FakeHost host;
    host.translateLink = [](std::string& text) { text[0] = 'X'; };
    CStepchainData list;
    for (const Case& c : cases) {
        CSCKeypad keypad(&list);
        CArchive in(Hex(c.record + " 0F"));
        keypad.Serialize(in);
        EXPECT_EQ(in.GetRemaining(), 1u);
        CArchive out;
        keypad.Serialize(out);
        EXPECT_EQ(ToHex(out.GetStored()), c.stored);
        CSCKeypad reloaded(&list);
        CArchive reload(out.GetStored());
        reloaded.Serialize(reload);
        CArchive again;
        reloaded.Serialize(again);
        EXPECT_EQ(again.GetStored(), out.GetStored());
    }
    EXPECT_EQ(host.Count(hostmsg::TRANSLATE_LINK), 4);
}

TEST(CSCKeypad, MemSyncFollowsTheDevicePartOnly)
{
    // link, kept, old name, new name, link after, kept after
    const std::array<const char*, 6> cases[] = {
        {"PLC10!Btn!Push", "", "*PLC1", "", "PLC10!Btn!Push", ""},
        {"PLC1!Btn!Push", "", "*PLC1.", "", "", "PLC1!Btn!Push"},
        {"", "PLC1!Btn!Push", "*.", "PLC1.", "PLC1!Btn!Push", ""},
        {"", "PLC1!Btn!Push", "*.", "PLC2", "", "PLC1!Btn!Push"},
        {"PLC2!Btn!Push", "PLC1!Btn!Push", "*.", "PLC1", "PLC2!Btn!Push", "PLC1!Btn!Push"},
        {"", "PLC1!Btn!Push", "*", "", "", "PLC1!Btn!Push"},
        {"PLC1!PLC1Btn!Push", "", "*PLC1", "PLC2.", "PLC2!PLC1Btn!Push", ""},
        {"!PLC1!Btn", "", "*PLC1", "PLC3", "!PLC3!Btn", ""},
    };
    CStepchainData list;
    for (const auto& c : cases) {
        CSCKeypad keypad(&list);
        keypad.ActLink = c[0];
        keypad.ActLinkKept = c[1];
        keypad.MemSync(c[2], c[3]);
        EXPECT_EQ(keypad.ActLink + "|" + keypad.ActLinkKept, std::string(c[4]) + "|" + c[5]) << c[0] << " " << c[2];
    }
}

TEST(CSCKeypad, ListRenameReachesTheFractionMemory)
{
    CStepchainData list;
    auto* keypad = static_cast<CSCKeypad*>(list.CreateSC(SC_KEYPAD));
    list.AddSC(keypad);
    keypad->RangeMin.m_name = keypad->FracMem.m_name = "W5";
    EXPECT_EQ(list.MemSync("W5", "W6"), 1);
    EXPECT_EQ(keypad->RangeMin.m_name + keypad->FracMem.m_name, "W6W6");
}
