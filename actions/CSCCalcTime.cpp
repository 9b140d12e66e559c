#include "actions/CSCCalcTime.h"

#include "actions/AutoRepeatScript.h"
#include "actions/InvalidCheck.h"
#include "core/Texts.h"

namespace {

constexpr FieldLabel kHour{"hour memory", u8"時メモリー"};
constexpr FieldLabel kMinute{"minute memory", u8"分メモリー"};
constexpr FieldLabel kDelta{"minutes to add", u8"加減算値"};
constexpr FieldLabel kLimitHour{"limit hour", u8"制限時"};
constexpr FieldLabel kLimitMinute{"limit minute", u8"制限分"};
constexpr FieldLabel kTimeLimit{"the time limit", u8"上下限チェック"};

constexpr FieldRange kSwitch{0, 1};

// One indentation of the step: the runtime's _ClockInc works on its own
// memories; a minute limit of -1 means no limit.
struct StepForm {
    const char* load;
    const char* limit;
    const char* noLimit;
    const char* callAndStore;
};

constexpr StepForm kMainForm{
    "\tVALSET _ClockHour [HOUR]\n\tVALSET _ClockMin [MINUTE]\n\tVALSET _ClockIncVal [VAL]\n",
    "\tVALSET _ClockHourLim [LIM_HOUR]\n\tVALSET _ClockMinLim [LIM_MINUTE]\n",
    "\tVALSET _ClockMinLim #-1\n",
    "\tSUB _ClockInc\n\tMOV [HOUR] _ClockHour\n\tMOV [MINUTE] _ClockMin\n",
};

constexpr StepForm kIntervalForm{
    "\t\tVALSET _ClockHour [HOUR]\n\t\tVALSET _ClockMin [MINUTE]\n\t\tVALSET _ClockIncVal [VAL]\n",
    "\t\tVALSET _ClockHourLim [LIM_HOUR]\n\t\tVALSET _ClockMinLim [LIM_MINUTE]\n",
    "\t\tVALSET _ClockMinLim #-1\n",
    "\t\tSUB _ClockInc\n\t\tMOV [HOUR] _ClockHour\n\t\tMOV [MINUTE] _ClockMin\n",
};

constexpr StepForm kLoopForm{
    "\t[TAB]MOV _ClockHour [HOUR]\n\t[TAB]MOV _ClockMin [MINUTE]\n\t[TAB]MOV _ClockIncVal [VAL]\n",
    "\t[TAB]MOV _ClockHourLim [LIM_HOUR]\n\t[TAB]MOV _ClockMinLim [LIM_MINUTE]\n",
    "\t[TAB]MOV _ClockMinLim #-1\n",
    "\t[TAB]SUB _ClockInc\n\t[TAB]MOV [HOUR] _ClockHour\n\t[TAB]MOV [MINUTE] _ClockMin\n",
};

std::string StepLines(const StepForm& form, DWORD timeLimit)
{
    return std::string(form.load) + (timeLimit != 0 ? form.limit : form.noLimit) + form.callAndStore;
}

}

CSCCalcTime::CSCCalcTime(CStepchainData* list) : CSCAction(list, SC_CALCTIME)
{
    const AutoRepeatSwitches defaults = DefaultAutoRepeatSwitches();
    AutoRepeat = defaults.autoRepeat;
    Accelerate = defaults.accelerate;
    Beep = defaults.beep;
}

const ActionFieldTable& CSCCalcTime::Fields()
{
    static const ActionFieldTable table{
        "clock_add_subtract",
        {OperandField("Hour", &CSCCalcTime::Hour), OperandField("Minute", &CSCCalcTime::Minute),
         OperandField("Delta", &CSCCalcTime::Delta), OperandField("LimitHour", &CSCCalcTime::LimitHour),
         OperandField("LimitMinute", &CSCCalcTime::LimitMinute), BitField("AutoRepeat", &CSCCalcTime::AutoRepeat),
         BitField("Beep", &CSCCalcTime::Beep), DwordField("Accelerate", &CSCCalcTime::Accelerate, kSwitch),
         DwordField("TimeLimit", &CSCCalcTime::TimeLimit, kSwitch)}};
    return table;
}

void CSCCalcTime::Serialize(CArchive& ar)
{
    Hour.Serialize(ar);
    Minute.Serialize(ar);
    Delta.Serialize(ar);
    LimitHour.Serialize(ar);
    LimitMinute.Serialize(ar);
    if (ar.IsStoring()) {
        ar << PackRepeatWord(AutoRepeat, Beep) << Accelerate << TimeLimit;
    } else {
        DWORD switches = 0;
        ar >> switches;
        UnpackRepeatWord(switches, AutoRepeat, Beep);
        ar >> Accelerate >> TimeLimit;
    }
}

std::string CSCCalcTime::ExportStr(const std::string& key, IPWObject*)
{
    // Two blanks before THEN, unlike add/subtract: generated scripts stay byte for byte as they were.
    const AutoRepeatStep step{
        StepLines(kMainForm, TimeLimit),
        StepLines(kIntervalForm, TimeLimit),
        StepLines(kLoopForm, TimeLimit),
        "\t\tIF SYSCOUNT >= [clsID].LoopTime AND [clsID].LoopTime!=#0  THEN\n",
        {{"[LIM_HOUR]", LimitHour.GetScriptForm()},
         {"[LIM_MINUTE]", LimitMinute.GetScriptForm()},
         {"[HOUR]", Hour.GetScriptForm()},
         {"[MINUTE]", Minute.GetScriptForm()},
         {"[VAL]", Delta.GetScriptForm()}},
    };
    return ExportAutoRepeatScript(key, {AutoRepeat, Accelerate, Beep}, step);
}

const std::string& CSCCalcTime::GetCaption()
{
    static std::string caption;
    if (IsInvalid() != 0) {
        caption = T(Txt::InputError);
        return caption;
    }
    caption = Format(T(Txt::CalcTimeCaption), {Hour.m_name, Minute.m_name, Delta.m_name});
    if (AutoRepeat == 1) {
        caption += T(Txt::CalcTimeAutoRepeat);
        if (Accelerate != 0)
            caption += T(Txt::RepeatAccelerated);
    }
    if (TimeLimit == 1)
        caption += Format(T(Txt::CalcTimeLimit), {LimitHour.m_name, LimitMinute.m_name});
    return caption;
}

void CSCCalcTime::GetMemNodes(MemNodeArray& nodes)
{
    nodes.insert(nodes.end(), {&Hour, &Minute, &LimitHour, &LimitMinute, &Delta});
}

BOOL CSCCalcTime::MergeLimit(DWORD limit)
{
    if ((limit & 0x01) != 0) {
        AutoRepeat = 0;
        Accelerate = 0;
    }
    return (limit & 0x20) == 0;
}

std::vector<ScriptText> CSCCalcTime::GetScriptTexts()
{
    std::vector<ScriptText> texts{InScript(kHour, Hour.GetScriptForm()), InScript(kMinute, Minute.GetScriptForm()),
                                  InScript(kDelta, Delta.GetScriptForm())};
    if (TimeLimit != 0) {
        texts.push_back(InScript(kLimitHour, LimitHour.GetScriptForm()));
        texts.push_back(InScript(kLimitMinute, LimitMinute.GetScriptForm()));
    }
    return texts;
}

void CSCCalcTime::Check(InvalidCheck& check)
{
    check.NeedName(Hour, kHour);
    check.NeedName(Minute, kMinute);
    check.NeedName(Delta, kDelta);
    if (TimeLimit == 1) {
        check.NeedLimit(LimitHour, kLimitHour, kTimeLimit);
        check.NeedLimit(LimitMinute, kLimitMinute, kTimeLimit);
    }
}
