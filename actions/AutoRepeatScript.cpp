#include "actions/AutoRepeatScript.h"

#include "actions/ScriptPass.h"
#include "core/Cp932.h"
#include "core/Texts.h"
#include "host/HostApi.h"

namespace {

struct Switches {
    bool repeat;
    bool accelerate;
    bool beep;
};

bool ModelRepeatsPeriodically(const ProjectSettings& settings) { return cp932::Contains(settings.ModelName, "CAVO"); }

// The panel reads these numbers as signed 32-bit values.
std::string Number(uint32_t value) { return Format("#%d", {static_cast<long long>(static_cast<int32_t>(value))}); }

std::string PeriodicPass(const std::string& key, const Switches& on, const AutoRepeatStep& step)
{
    if (key == PASS_INITIAL)
        return on.repeat ? "\tADIM [clsID].LoopTime l\n\tADIM [clsID].LoopCount b\n\tVALSET [clsID].LoopTime #0\n"
                         : std::string();
    if (key == PASS_INTERVAL) {
        if (!on.repeat)
            return {};
        std::string text = step.intervalOpening;
        if (on.beep)
            text += "\t\t\tIF [clsID].LoopCount= #0 THEN\n\t\t\t\tMOV BEEP BEEPLONG\n\t\t\tENDIF\n";
        text += step.intervalForm;
        if (on.accelerate)
            text += "\t\t\tIF [clsID].LoopCount= [ACXELTIME] THEN\n\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT\n"
                    "\t\t\tELSE\n\t\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+[INTERVAL]\n"
                    "\t\t\t\tADD [clsID].LoopCount #1\n\t\t\tENDIF\n";
        else
            text += "\t\t\tEXPR [clsID].LoopTime=SYSCOUNT+[INTERVAL]\n\t\t\tADD [clsID].LoopCount #1\n";
        return text + "\t\tENDIF\n";
    }
    std::string text;
    if (on.repeat)
        text = "\tEXPR [clsID].LoopTime=SYSCOUNT+[REPEAT_START_TIME]\n\tMOV [clsID].LoopCount #0\n";
    return text + step.mainForm;
}

// The main pass of the blocking variant; `tab` receives the indentation of the loop form.
std::string BlockingMainPass(const Switches& on, bool layerCheck, const AutoRepeatStep& step, std::string& tab)
{
    if (!on.repeat)
        return step.loopForm;

    std::string text;
    if (layerCheck)
        text = "\tEDIMX _ST_LAYER1 w\n\tEDIMX _ST_LAYER2 w\n\tEDIMX _ST_LAYER3 w\n"
               "\tVALSET _ST_LAYER1 LAYER1\n\tVALSET _ST_LAYER2 LAYER2\n\tVALSET _ST_LAYER3 LAYER3\n";
    text += "\tEDIMX _LoopTime l\n\tEDIMX _LoopCount b\n\tEXPR _LoopTime=SYSCOUNT+[REPEAT_START_TIME]\n"
            "\tMOV _LoopCount #0\n\tDO\n";
    tab = "\t";
    text += step.loopForm;
    text += "\t\tREFSH\n\t\tDO\n\t\t\tIF _SW_STA=#0 THEN\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n"
            "\t\t\tIF _PRESS_BUTTON_ID!= #[NAME].SWID\n\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n";
    if (layerCheck)
        text += "\t\t\tIF _ST_LAYER1!=LAYER1 OR _ST_LAYER2!=LAYER2 OR _ST_LAYER3!=LAYER3 THEN\n"
                "\t\t\t\tR_JP [NAME]_[EVENT]_End\n\t\t\tENDIF\n";
    text += "\t\t\tDOEVT\n\t\t\tREFSH\n\t\t\tIF SYSCOUNT>=_LoopTime THEN\n";
    if (on.beep)
        text += "\t\t\t\tIF _LoopCount= #0 THEN\n\t\t\t\t\tMOV BEEP BEEPLONG\n\t\t\t\tENDIF\n";
    if (on.accelerate)
        text += "\t\t\t\tIF _LoopCount= [ACXELTIME] THEN\n\t\t\t\t\tEXPR _LoopTime=SYSCOUNT+#1\n\t\t\t\tELSE\n"
                "\t\t\t\t\tEXPR _LoopTime=SYSCOUNT+[INTERVAL]\n\t\t\t\t\tADD _LoopCount #1\n\t\t\t\tENDIF\n";
    else
        text += "\t\t\t\tEXPR _LoopTime=SYSCOUNT+[INTERVAL]\n\t\t\t\tADD _LoopCount #1\n";
    return text + "\t\t\t\tEXIT\n\t\t\tENDIF\n\t\tLOOP\n\tLOOP\n\tR_LBL [NAME]_[EVENT]_End\n";
}

}

bool AutoRepeatBlocks() { return !ModelRepeatsPeriodically(host::ReadProjectSettings()); }

AutoRepeatSwitches DefaultAutoRepeatSwitches()
{
    const ProjectSettings settings = host::ReadProjectSettings();
    return {settings.DefaultAutoRepeat, settings.DefaultAccelerate, settings.DefaultBeep};
}

// Each switch takes exactly one bit, so that a project default other than 0
// or 1 cannot spill into the neighbouring switch; 0 and 1 give beep × 2 + repeat.
DWORD PackRepeatWord(DWORD autoRepeat, DWORD beep) { return (autoRepeat == 1 ? 1u : 0u) | (beep != 0 ? 2u : 0u); }

void UnpackRepeatWord(DWORD word, DWORD& autoRepeat, DWORD& beep)
{
    autoRepeat = word & 1u;
    beep = (word >> 1) & 1u;
}

std::string ExportAutoRepeatScript(const std::string& key, const AutoRepeatSwitches& switches,
                                   const AutoRepeatStep& step)
{
    const ProjectSettings settings = host::ReadProjectSettings();
    const Switches on{switches.autoRepeat == 1, switches.accelerate == 1, switches.beep != 0};

    std::string text;
    std::string tab;
    if (ModelRepeatsPeriodically(settings))
        text = PeriodicPass(key, on, step);
    else if (IsMainPass(key))
        text = BlockingMainPass(on, settings.LayerCheck != 0, step, tab);
    else
        return {};

    // Without an interval there is no count of repeats before acceleration.
    const uint32_t repeatsBeforeAcceleration =
        settings.RepeatInterval != 0 ? settings.AccelerationTime / settings.RepeatInterval : 0;
    cp932::ReplaceAllIn(text, "[INTERVAL]", Number(settings.RepeatInterval * 2));
    cp932::ReplaceAllIn(text, "[ACXELTIME]", Number(repeatsBeforeAcceleration));
    cp932::ReplaceAllIn(text, "[REPEAT_START_TIME]", Number(settings.RepeatStartTime * 2));
    cp932::ReplaceAllIn(text, "[TAB]", tab);
    for (const auto& [placeholder, form] : step.operands)
        cp932::ReplaceAllIn(text, placeholder, form);
    return text;
}
