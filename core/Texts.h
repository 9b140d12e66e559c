#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// The module's own texts. They are written in UTF-8 in Texts.cpp and handed
// out as CP932 bytes, converted once at first use.
enum class Txt {
    // Kind names, in type-id order (KindName relies on it).
    KindPageJump,
    KindSetValue,
    KindCalc,
    KindCalcTime,
    KindComm,
    KindPassPage,
    KindKeypad,
    KindOpe,
    KindCall,
    KindActionLink,
    KindString,
    KindRefsh,
    KindSetGraphMem,
    KindLabel,
    KindBranch,
    KindActionExit,

    // String table.
    SetButton,          // entry 2
    ListNotSet,         // entry 9
    ListCount,          // entry 10
    ClipboardFormat,    // entry 11

    InputError,

    // Specification document.
    SpecKindHeading,
    SpecDetailHeading,
    SpecNotSet,
    SpecIdeographicIndent,

    // Label.
    LabelCaption,
    LabelDuplicate,

    // Set value, add/subtract, clock add/subtract.
    SetValueCaption,
    CalcCaption,
    CalcAutoRepeat,
    RepeatAccelerated,
    CalcRangeCheck,
    CalcWrap,
    CalcTimeCaption,
    CalcTimeAutoRepeat,
    CalcTimeLimit,

    Count
};

// The CP932 bytes of a text.
const std::string& T(Txt id);

// The kind name of a type id 0 to 15; empty for any other id.
const std::string& KindName(int typeId);

// A small printf: "%s" takes the next text argument, "%d" the next number,
// "%%" is a percent sign. Text arguments may hold any bytes, NUL included.
using FormatArg = std::variant<std::string_view, long long>;
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);
