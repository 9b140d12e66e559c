#include "actions/CSCCalcTime.h"

#include "actions/AutoRepeatScript.h"
#include "core/EditHook.h"
#include "core/Texts.h"

namespace {

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

CSCCalcTime::CSCCalcTime(CStepchainData* list) : m_list(list)
{
    const AutoRepeatSwitches defaults = DefaultAutoRepeatSwitches();
    AutoRepeat = defaults.autoRepeat;
    Accelerate = defaults.accelerate;
    Beep = defaults.beep;
}

int CSCCalcTime::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

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

void CSCCalcTime::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCCalcTime*>(source);
    Hour = from->Hour;
    Minute = from->Minute;
    Delta = from->Delta;
    LimitHour = from->LimitHour;
    LimitMinute = from->LimitMinute;
    AutoRepeat = from->AutoRepeat;
    Accelerate = from->Accelerate;
    TimeLimit = from->TimeLimit;
    Beep = from->Beep;
}

void CSCCalcTime::PreEdit() {}

void CSCCalcTime::GetMemNodes(MemNodeArray& nodes)
{
    nodes.push_back(&Hour);
    nodes.push_back(&Minute);
    nodes.push_back(&LimitHour);
    nodes.push_back(&LimitMinute);
    nodes.push_back(&Delta);
}

BOOL CSCCalcTime::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_CALCTIME)
        return 0;
    const auto* that = static_cast<CSCCalcTime*>(other);
    return Hour == that->Hour && Minute == that->Minute && Delta == that->Delta && LimitHour == that->LimitHour &&
           LimitMinute == that->LimitMinute && AutoRepeat == that->AutoRepeat && Accelerate == that->Accelerate &&
           TimeLimit == that->TimeLimit && Beep == that->Beep;
}

int CSCCalcTime::IsInvalid()
{
    if (Hour.m_name.empty() || Minute.m_name.empty() || Delta.m_name.empty())
        return 1;
    if (TimeLimit == 1 && (LimitHour.m_name.empty() || LimitMinute.m_name.empty()))
        return 1;
    return 0;
}

BOOL CSCCalcTime::MergeLimit(DWORD limit)
{
    if ((limit & 0x01) != 0) {
        AutoRepeat = 0;
        Accelerate = 0;
    }
    return (limit & 0x20) == 0;
}

void CSCCalcTime::MemSync(std::string, std::string) {}
