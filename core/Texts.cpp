#include "core/Texts.h"

#include <array>

#include "core/Cp932.h"

namespace {

struct Entry {
    Txt id;
    const char8_t* utf8;
};

constexpr Entry kTexts[] = {
    {Txt::KindPageJump, u8"ページ移動"},
    {Txt::KindSetValue, u8"値セット"},
    {Txt::KindCalc, u8"加減算"},
    {Txt::KindCalcTime, u8"時刻加減算"},
    {Txt::KindComm, u8"通信出力"},
    {Txt::KindPassPage, u8"認証付きページジャンプ"},
    {Txt::KindKeypad, u8"キーパッド呼出"},
    {Txt::KindOpe, u8"算術演算"},
    {Txt::KindCall, u8"サブルーチン呼び出し"},
    {Txt::KindActionLink, u8"アクションリンク"},
    {Txt::KindString, u8"文字列操作"},
    {Txt::KindRefsh, u8"描画更新"},
    {Txt::KindSetGraphMem, u8"グラフメモリーアクセス"},
    {Txt::KindLabel, u8"ラベル"},
    {Txt::KindBranch, u8"条件分岐"},
    {Txt::KindActionExit, u8"アクション終了"},

    {Txt::SetButton, u8"設定"},
    {Txt::ListNotSet, u8"(未設定)"},
    {Txt::ListCount, u8"(%d件設定済)"},
    {Txt::ClipboardFormat, u8"PANELWRIGHT_STEPCHAIN"},

    {Txt::InputError, u8"!入力にエラーがあります"},

    {Txt::SpecKindHeading, u8"動作種類"},
    {Txt::SpecDetailHeading, u8"詳細"},
    {Txt::SpecNotSet, u8"未設定"},
    {Txt::SpecIdeographicIndent, u8"\u3000\u3000\u3000\u3000"},

    {Txt::LabelCaption, u8"分岐先ラベル:'%s'"},
    {Txt::LabelDuplicate, u8"同名ラベルは定義できません"},

    {Txt::PageJumpEffectNone, u8"なし"},
    {Txt::PageJumpEffectScrollLeft, u8"スクロール ←"},
    {Txt::PageJumpEffectScrollRight, u8"スクロール →"},
    {Txt::PageJumpEffectScrollUp, u8"スクロール ↑"},
    {Txt::PageJumpEffectScrollDown, u8"スクロール ↓"},
    {Txt::PageJumpEffectSlideLeft, u8"スライド ←"},
    {Txt::PageJumpEffectSlideRight, u8"スライド →"},
    {Txt::PageJumpEffectSlideUp, u8"スライド ↑"},
    {Txt::PageJumpEffectSlideDown, u8"スライド ↓"},
    {Txt::PageJumpEffectZoom, u8"ズーム"},
    {Txt::PageJumpEffectFade, u8"フェード"},
    {Txt::PageJumpNextLayered, u8"LAYER1 次ページに移動 エフェクト=%s"},
    {Txt::PageJumpPreviousLayered, u8"LAYER1 前ページに移動 エフェクト=%s"},
    {Txt::PageJumpGivenLayered, u8"LAYER%d ページ%sに移動 エフェクト=%s"},
    {Txt::PageJumpNext, u8"次ページに移動"},
    {Txt::PageJumpPrevious, u8"前ページに移動"},
    {Txt::PageJumpGiven, u8"ページ %sに移動"},
    // The half-width voiced mark after ド belongs to the caption as shown.
    {Txt::PassPageCaption, u8"ページ%dへ移動:パスワードﾞ '%s'[キーパッド ページ%dに配置]"},
    {Txt::CallCaption, u8"サブルーチン呼び出し:'%s'"},
    {Txt::ActionLinkCaption, u8"アクションリンクの設定:'%s'"},

    // Conditional branch and keypad call.
    {Txt::BranchCompareCaption, u8"条件\t%s %s %s\u3000を満たすときラベル %sに分岐\n"},
    {Txt::BranchJumpCaption, u8"ラベル\t%s に分岐\n"},
    {Txt::BranchLabelMissing, u8" !分岐先ラベル未定義"},
    {Txt::BranchBackward, u8" !前方分岐はできません"},
    {Txt::KeypadTextCaption, u8"文字キーパッド呼び出し[書き込み先:%s 配置ページ:%d]"},
    {Txt::KeypadCaption, u8"キーパッド呼び出し[書き込み先:%s 配置ページ:%d 総桁:%d"},
    {Txt::KeypadFracMem, u8" 小数部桁:'%s'で制御"},
    {Txt::KeypadFrac, u8" 小数部桁:%d"},
    {Txt::KeypadRange, u8" 範囲チェックあり 上限:%s 下限:%s"},
    {Txt::KeypadOnConfirm, u8" 確定時"},
    {Txt::KeypadMessage, u8" メッセージあり:'%s'"},
    {Txt::KeypadActLink, u8" アクションリンクあり:'%s'"},

    // String operation, communication output, graph memory access.
    {Txt::StringDeleteLast, u8"%sの末尾削除"},
    {Txt::StringAppendText, u8"%sに'%s'を追加"},
    {Txt::StringSetText, u8"%sに'%s'をセット"},
    {Txt::StringAppendMemory, u8"%sに%sを追加"},
    {Txt::StringCopyMemory, u8"%sに%sをセット"},
    {Txt::StringFormatNumber, u8"%sに%sを書式化してセット"},
    {Txt::StringDeleteLastEsc, u8"%sの末尾削除(ESC対応)"},
    {Txt::CommMessage, u8"メッセージを出力:'%s'"},
    {Txt::CommMemoryValue, u8"メモリー値を出力:%s"},
    {Txt::CommObjectEvent, u8"ボタン&イベント名を出力"},
    {Txt::GraphMemCaption, u8"%s[位置指定:%s]%s %s\n"},
    {Txt::GraphMemRead, u8"に読み出し"},
    {Txt::GraphMemWrite, u8"を書き込み"},

    // Set value, add/subtract, clock add/subtract.
    {Txt::SetValueCaption, u8"%sへ%sを書込み\n"},
    {Txt::CalcCaption, u8"%sに%sを加算"},
    {Txt::CalcAutoRepeat, u8":オートリピート"},
    {Txt::RepeatAccelerated, u8"[加速あり]"},
    {Txt::CalcRangeCheck, u8"上下限チェックあり %s～%s %s"},
    {Txt::CalcWrap, u8"ループあり"},
    {Txt::CalcTimeCaption, u8"時 (%s):分(%s)を%s(分)加算"},
    {Txt::CalcTimeAutoRepeat, u8"オートリピートあり"},
    {Txt::CalcTimeLimit, u8":制限 %s時%s分"},

    // List editor and settings dialogs.
    {Txt::EditorTitle, u8"ステップチェーン設定"},
    {Txt::EditorKindHeader, u8"アクション"},
    {Txt::EditorDetailHeader, u8"詳細"},
    {Txt::ButtonUp, u8"上へ"},
    {Txt::ButtonDown, u8"下へ"},
    {Txt::ButtonCopy, u8"コピー"},
    {Txt::ButtonCut, u8"切取り"},
    {Txt::ButtonPaste, u8"貼付け"},
    {Txt::ButtonInsert, u8"挿入"},
    {Txt::ButtonOk, u8"OK"},
    {Txt::ButtonCancel, u8"キャンセル"},
    {Txt::ButtonCancelNarrow, u8"ｷｬﾝｾﾙ"},
    {Txt::ButtonPick, u8"▼"},
    {Txt::ButtonChoose, u8"選択"},
    {Txt::MemNumberRefused, u8"代入先のメモリーに数値は指定できません"},
    {Txt::MemNotRegistered, u8"'%s'は利用可能なメモリー名として登録されていません。\nユーザ定義メモリーとして追加しますか?"},
    {Txt::MemTypeRefused, u8"指定できない型のメモリーが選択されています"},
    {Txt::TextNotCp932, u8"次の文字は使用できません: %s"},
    {Txt::LabelDialogTitle, u8"分岐ラベル"},
    {Txt::LabelDialogName, u8"ラベル名"},
    {Txt::LabelNameControl, u8"ラベル名に改行、復帰、タブは使用できません"},
    {Txt::ClipboardUnreadable, u8"クリップボードに読み込めるアクションリストがありません"},
    {Txt::ClipboardNotWritten, u8"クリップボードに書き込めませんでした。行は切り取られていません"},
    {Txt::ListTooLong, u8"アクションは%d件までしか設定できません"},
};

constexpr size_t kCount = static_cast<size_t>(Txt::Count);
static_assert(std::size(kTexts) == kCount, "every text needs an entry");

constexpr bool InIdOrder()
{
    for (size_t i = 0; i < kCount; ++i) {
        if (static_cast<size_t>(kTexts[i].id) != i)
            return false;
    }
    return true;
}
static_assert(InIdOrder(), "entries must follow the order of Txt");

const std::array<std::string, kCount>& Converted()
{
    static const std::array<std::string, kCount> texts = [] {
        std::array<std::string, kCount> out;
        for (size_t i = 0; i < kCount; ++i)
            out[i] = cp932::FromUTF8(reinterpret_cast<const char*>(kTexts[i].utf8));
        return out;
    }();
    return texts;
}

}

const std::string& T(Txt id) { return Converted()[static_cast<size_t>(id)]; }

const std::string& KindName(int typeId)
{
    static const std::string none;
    if (typeId < 0 || typeId > 15)
        return none;
    return T(static_cast<Txt>(static_cast<int>(Txt::KindPageJump) + typeId));
}

std::string Format(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    out.reserve(format.size() + 16);
    auto next = args.begin();
    size_t i = 0;
    while (i < format.size()) {
        // The text up to the next "%" goes over in one piece; a "%" at the very end is text.
        const size_t percent = format.find('%', i);
        if (percent == std::string_view::npos || percent + 1 == format.size()) {
            out.append(format.substr(i));
            break;
        }
        out.append(format.substr(i, percent - i));
        const char spec = format[percent + 1];
        i = percent + 2;
        if (spec == '%') {
            out.push_back('%');
        } else if ((spec == 's' || spec == 'd') && next != args.end()) {
            if (const auto* text = std::get_if<std::string_view>(&*next))
                out.append(*text);
            else
                out.append(std::to_string(std::get<long long>(*next)));
            ++next;
        } else {
            out.push_back('%');
            out.push_back(spec);
        }
    }
    return out;
}
