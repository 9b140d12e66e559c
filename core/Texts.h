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

    // Page jump, password page jump, subroutine call, action link.
    // The effect names, in effect-index order (the page jump relies on it).
    PageJumpEffectNone,
    PageJumpEffectScrollLeft,
    PageJumpEffectScrollRight,
    PageJumpEffectScrollUp,
    PageJumpEffectScrollDown,
    PageJumpEffectSlideLeft,
    PageJumpEffectSlideRight,
    PageJumpEffectSlideUp,
    PageJumpEffectSlideDown,
    PageJumpEffectZoom,
    PageJumpEffectFade,
    PageJumpNextLayered,
    PageJumpPreviousLayered,
    PageJumpGivenLayered,
    PageJumpNext,
    PageJumpPrevious,
    PageJumpGiven,
    PassPageCaption,
    CallCaption,
    ActionLinkCaption,

    // Conditional branch and keypad call.
    BranchCompareCaption,
    BranchJumpCaption,
    BranchLabelMissing,
    BranchBackward,
    KeypadTextCaption,
    KeypadCaption,
    KeypadFracMem,
    KeypadFrac,
    KeypadRange,
    KeypadOnConfirm,
    KeypadMessage,
    KeypadActLink,

    // String operation, communication output, graph memory access.
    StringDeleteLast,
    StringAppendText,
    StringSetText,
    StringAppendMemory,
    StringCopyMemory,
    StringFormatNumber,
    StringDeleteLastEsc,
    CommMessage,
    CommMemoryValue,
    CommObjectEvent,
    GraphMemCaption,
    GraphMemRead,
    GraphMemWrite,

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

    // List editor and settings dialogs.
    EditorTitle,
    EditorKindHeader,
    EditorDetailHeader,
    ButtonUp,
    ButtonDown,
    ButtonCopy,
    ButtonCut,
    ButtonPaste,
    ButtonInsert,
    ButtonOk,
    ButtonCancel,
    ButtonCancelNarrow,
    ButtonPick,
    ButtonChoose,
    MemNumberRefused,
    MemNotRegistered,
    MemTypeRefused,
    TextNotCp932,
    LabelDialogTitle,
    LabelDialogName,
    LabelNameControl,
    ClipboardUnreadable,
    ClipboardNotWritten,
    ListTooLong,

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
