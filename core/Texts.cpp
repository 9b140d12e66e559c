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
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            out.push_back(c);
            continue;
        }
        const char spec = format[++i];
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
