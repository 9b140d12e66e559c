#include "actions/CSCCalc.h"

#include "actions/AutoRepeatScript.h"
#include "core/EditHook.h"
#include "core/Texts.h"

namespace {

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

CSCCalc::CSCCalc(CStepchainData* list) : m_list(list)
{
    const AutoRepeatSwitches defaults = DefaultAutoRepeatSwitches();
    AutoRepeat = defaults.autoRepeat;
    Beep = defaults.beep;
    Accelerate = defaults.accelerate;
}

int CSCCalc::Edit(QWidget* parent, DWORD limit) { return RunActionEditHook(this, parent, limit); }

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

void CSCCalc::CopyPropertiesFrom(IStepchain* source)
{
    const auto* from = static_cast<CSCCalc*>(source);
    Dest = from->Dest;
    Delta = from->Delta;
    Upper = from->Upper;
    Lower = from->Lower;
    AutoRepeat = from->AutoRepeat;
    Beep = from->Beep;
    Accelerate = from->Accelerate;
    RangeCheck = from->RangeCheck;
    Wrap = from->Wrap;
}

void CSCCalc::PreEdit() {}

void CSCCalc::GetMemNodes(MemNodeArray& nodes)
{
    nodes.push_back(&Dest);
    nodes.push_back(&Lower);
    nodes.push_back(&Upper);
    nodes.push_back(&Delta);
}

BOOL CSCCalc::CompareProperties(IStepchain* other)
{
    if (other->GetActionType() != SC_CALC)
        return 0;
    const auto* that = static_cast<CSCCalc*>(other);
    return Dest == that->Dest && Delta == that->Delta && Upper == that->Upper && Lower == that->Lower &&
           AutoRepeat == that->AutoRepeat && Accelerate == that->Accelerate && RangeCheck == that->RangeCheck &&
           Wrap == that->Wrap && Beep == that->Beep;
}

int CSCCalc::IsInvalid()
{
    if (Dest.m_name.empty() || Delta.m_name.empty())
        return 1;
    if (RangeCheck == 1 && (Lower.m_name.empty() || Upper.m_name.empty()))
        return 1;
    return 0;
}

BOOL CSCCalc::MergeLimit(DWORD limit)
{
    if ((limit & 0x01) != 0) {
        AutoRepeat = 0;
        Accelerate = 0;
    }
    return 1;
}

void CSCCalc::MemSync(std::string, std::string) {}
