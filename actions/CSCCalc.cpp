#include "actions/CSCCalc.h"

#include "actions/AutoRepeatScript.h"
#include "actions/InvalidCheck.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kDest{"destination", u8"代入先"};
constexpr FieldLabel kDelta{"amount to add", u8"加減算値"};
constexpr FieldLabel kUpper{"upper limit", u8"上限値"};
constexpr FieldLabel kLower{"lower limit", u8"下限値"};
constexpr FieldLabel kRangeCheck{"the range check", u8"上下限チェック"};

constexpr FieldRange kSwitch{0, 1};

// One indentation of the step: with the range check the limits, the value and
// the amount go to the runtime's range subroutine, which hands back the result.
struct StepForm {
    const char* rangeLoad;
    const char* rangeCheck;
    const char* rangeCheckWrap;
    const char* rangeStore;
    const char* add;
};

constexpr StepForm kMainForm{
    "\tVALSET _AutoRepCHKMAX [MAX]\n\tVALSET _AutoRepCHKMIN [MIN]\n"
    "\tVALSET _AutoRepCHKVAL [LINKMEM]\n\tVALSET _AutoRepINCVAL [VAL]\n",
    "\tSUB _AutoRepRANGECHK\n",
    "\tSUB _AutoRepRANGECHKLOOP\n",
    "\tMOV [LINKMEM] _AutoRepRETVAL\n",
    "\tEXPR [LINKMEM]=[LINKMEM]+[VAL]\n",
};

constexpr StepForm kIntervalForm{
    "\t\t\tVALSET _AutoRepCHKMAX [MAX]\n\t\t\tVALSET _AutoRepCHKMIN [MIN]\n"
    "\t\t\tVALSET _AutoRepCHKVAL [LINKMEM]\n\t\t\tVALSET _AutoRepINCVAL [VAL]\n",
    "\t\t\tSUB _AutoRepRANGECHK\n",
    "\t\t\tSUB _AutoRepRANGECHKLOOP\n",
    "\t\t\tMOV [LINKMEM] _AutoRepRETVAL\n",
    "\t\t\tEXPR [LINKMEM]=[LINKMEM]+[VAL]\n",
};

constexpr StepForm kLoopForm{
    "\t[TAB]MOV _AutoRepCHKMAX [MAX]\n\t[TAB]MOV _AutoRepCHKMIN [MIN]\n"
    "\t[TAB]MOV _AutoRepCHKVAL [LINKMEM]\n\t[TAB]MOV _AutoRepINCVAL [VAL]\n",
    "\t[TAB]SUB _AutoRepRANGECHK\n",
    "\t[TAB]SUB _AutoRepRANGECHKLOOP\n",
    "\t[TAB]MOV [LINKMEM] _AutoRepRETVAL\n",
    "\t[TAB]ADD [LINKMEM] [VAL]\n",
};

std::string StepLines(const StepForm& form, DWORD rangeCheck, DWORD wrap)
{
    if (rangeCheck == 0)
        return form.add;
    return std::string(form.rangeLoad) + (wrap != 0 ? form.rangeCheckWrap : form.rangeCheck) + form.rangeStore;
}

}

CSCCalc::CSCCalc(CStepchainData* list) : CSCAction(list, SC_CALC)
{
    const AutoRepeatSwitches defaults = DefaultAutoRepeatSwitches();
    AutoRepeat = defaults.autoRepeat;
    Beep = defaults.beep;
    Accelerate = defaults.accelerate;
}

const ActionFieldTable& CSCCalc::Fields()
{
    static const ActionFieldTable table{
        "add_subtract",
        {OperandField("Dest", &CSCCalc::Dest), OperandField("Delta", &CSCCalc::Delta),
         OperandField("Upper", &CSCCalc::Upper), OperandField("Lower", &CSCCalc::Lower),
         BitField("AutoRepeat", &CSCCalc::AutoRepeat), BitField("Beep", &CSCCalc::Beep),
         DwordField("Accelerate", &CSCCalc::Accelerate, kSwitch),
         DwordField("RangeCheck", &CSCCalc::RangeCheck, kSwitch),
         DwordField("Wrap", &CSCCalc::Wrap, kSwitch)}};
    return table;
}

void CSCCalc::Serialize(CArchive& ar)
{
    Dest.Serialize(ar);
    Delta.Serialize(ar);
    Upper.Serialize(ar);
    Lower.Serialize(ar);
    if (ar.IsStoring()) {
        ar << PackRepeatWord(AutoRepeat, Beep) << Accelerate << RangeCheck << Wrap;
    } else {
        DWORD switches = 0;
        ar >> switches;
        UnpackRepeatWord(switches, AutoRepeat, Beep);
        ar >> Accelerate >> RangeCheck >> Wrap;
    }
}

std::string CSCCalc::ExportStr(const std::string& key, IPWObject*)
{
    const AutoRepeatStep step{
        StepLines(kMainForm, RangeCheck, Wrap),
        StepLines(kIntervalForm, RangeCheck, Wrap),
        StepLines(kLoopForm, RangeCheck, Wrap),
        "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0 THEN\n",
        {{"[MAX]", Upper.GetScriptForm()},
         {"[MIN]", Lower.GetScriptForm()},
         {"[LINKMEM]", Dest.GetScriptForm()},
         {"[VAL]", Delta.GetScriptForm()}},
    };
    return ExportAutoRepeatScript(key, {AutoRepeat, Accelerate, Beep}, step);
}

const std::string& CSCCalc::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0) {
        caption = T(Txt::InputError);
        return caption;
    }
    caption = Format(T(Txt::CalcCaption), {Dest.m_name, Delta.m_name});
    if (AutoRepeat == 1) {
        caption += T(Txt::CalcAutoRepeat);
        if (Accelerate != 0)
            caption += T(Txt::RepeatAccelerated);
    }
    if (RangeCheck == 1) {
        const std::string wrap = Wrap != 0 ? T(Txt::CalcWrap) : std::string();
        caption += Format(T(Txt::CalcRangeCheck), {Lower.m_name, Upper.m_name, wrap});
    }
    return caption;
}

void CSCCalc::GetMemNodes(MemNodeArray& nodes) { nodes.insert(nodes.end(), {&Dest, &Lower, &Upper, &Delta}); }

BOOL CSCCalc::MergeLimit(DWORD limit)
{
    if ((limit & 0x01) != 0) {
        AutoRepeat = 0;
        Accelerate = 0;
    }
    return 1;
}

std::vector<ScriptText> CSCCalc::GetScriptTexts()
{
    std::vector<ScriptText> texts{InScript(kDest, Dest.GetScriptForm()), InScript(kDelta, Delta.GetScriptForm())};
    if (RangeCheck != 0) {
        texts.push_back(InScript(kUpper, Upper.GetScriptForm()));
        texts.push_back(InScript(kLower, Lower.GetScriptForm()));
    }
    return texts;
}

void CSCCalc::Check(InvalidCheck& check)
{
    check.NeedName(Dest, kDest);
    check.NeedName(Delta, kDelta);
    if (RangeCheck == 1) {
        check.NeedLimit(Upper, kUpper, kRangeCheck);
        check.NeedLimit(Lower, kLower, kRangeCheck);
    }
}
