#include "tools/textform/Kinds.h"

#include "actions/CSCActionLink.h"
#include "actions/CSCBranch.h"
#include "actions/CSCCalc.h"
#include "actions/CSCCalcTime.h"
#include "actions/CSCCall.h"
#include "actions/CSCComm.h"
#include "actions/CSCKeypad.h"
#include "actions/CSCLabel.h"
#include "actions/CSCOpe.h"
#include "actions/CSCPageJump.h"
#include "actions/CSCPassPage.h"
#include "actions/CSCSetGraphMem.h"
#include "actions/CSCSetValue.h"
#include "actions/CSCString.h"

namespace textform {

namespace {

// A field held in member `member` of action class A, written as `Type`. The
// cast is sound because a kind's form is only ever used on an action of the
// type id it is filed under, and the list creates each type id as its class.
template <typename Type, typename A>
Field F(std::string_view name, typename Type::Value A::*member)
{
    return {name, [member](IStepchain& action) { return Type::Dump(static_cast<A&>(action).*member); },
            [member](IStepchain& action, const Json& json, const std::string& path) {
                Type::Build(json, path, static_cast<A&>(action).*member);
            }};
}

}

const std::array<KindForm, SC_TYPE_COUNT>& KindForms()
{
    static const std::array<KindForm, SC_TYPE_COUNT> forms = {{
        {"page_jump", {F<Operand>("m_page", &CSCPageJump::m_page), F<Int32>("m_mode", &CSCPageJump::m_mode)}},
        {"set_value", {F<Operand>("Dest", &CSCSetValue::Dest), F<Operand>("Source", &CSCSetValue::Source)}},
        {"add_subtract",
         {F<Operand>("Dest", &CSCCalc::Dest), F<Operand>("Delta", &CSCCalc::Delta), F<Operand>("Upper", &CSCCalc::Upper),
          F<Operand>("Lower", &CSCCalc::Lower), F<Bit>("AutoRepeat", &CSCCalc::AutoRepeat), F<Bit>("Beep", &CSCCalc::Beep),
          F<Dword>("Accelerate", &CSCCalc::Accelerate), F<Dword>("RangeCheck", &CSCCalc::RangeCheck),
          F<Dword>("Wrap", &CSCCalc::Wrap)}},
        {"clock_add_subtract",
         {F<Operand>("Hour", &CSCCalcTime::Hour), F<Operand>("Minute", &CSCCalcTime::Minute),
          F<Operand>("Delta", &CSCCalcTime::Delta), F<Operand>("LimitHour", &CSCCalcTime::LimitHour),
          F<Operand>("LimitMinute", &CSCCalcTime::LimitMinute), F<Bit>("AutoRepeat", &CSCCalcTime::AutoRepeat),
          F<Bit>("Beep", &CSCCalcTime::Beep), F<Dword>("Accelerate", &CSCCalcTime::Accelerate),
          F<Dword>("TimeLimit", &CSCCalcTime::TimeLimit)}},
        {"comm_output", {F<Operand>("Content", &CSCComm::Content), F<Int32>("ContentKind", &CSCComm::ContentKind)}},
        {"password_page_jump",
         {F<Text>("m_password", &CSCPassPage::m_password), F<Int32>("m_jumpPage", &CSCPassPage::m_jumpPage),
          F<Int32>("m_keypadPage", &CSCPassPage::m_keypadPage)}},
        {"keypad",
         {F<Operand>("Dest", &CSCKeypad::Dest), F<Operand>("RangeMax", &CSCKeypad::RangeMax),
          F<Operand>("RangeMin", &CSCKeypad::RangeMin), F<Int32>("TotalDigits", &CSCKeypad::TotalDigits),
          F<Int32>("FracFromMem", &CSCKeypad::FracFromMem), F<Int32>("FracDigits", &CSCKeypad::FracDigits),
          F<Operand>("FracMem", &CSCKeypad::FracMem), F<Int32>("KeyPage", &CSCKeypad::KeyPage),
          F<Int32>("RangeCheck", &CSCKeypad::RangeCheck), F<Int32>("UseMessage", &CSCKeypad::UseMessage),
          F<Text>("Message", &CSCKeypad::Message), F<Int32>("UseActLink", &CSCKeypad::UseActLink),
          F<Text>("ActLink", &CSCKeypad::ActLink)}},
        {"arithmetic",
         {F<Operand>("Result", &CSCOpe::Result), F<Operand>("Left", &CSCOpe::Left), F<Operand>("Right", &CSCOpe::Right),
          F<Int32>("Operator", &CSCOpe::Operator)}},
        {"call", {F<Text>("m_routine", &CSCCall::m_routine)}},
        {"action_link", {F<Text>("m_target", &CSCActionLink::m_target)}},
        {"string",
         {F<Operand>("Target", &CSCString::Target), F<Text>("Text", &CSCString::Text),
          F<Int32>("Operation", &CSCString::Operation), F<Operand>("Source", &CSCString::Source)}},
        {"redraw", {}},
        {"graph_memory",
         {F<Operand>("GraphMem", &CSCSetGraphMem::GraphMem), F<Operand>("Position", &CSCSetGraphMem::Position),
          F<Operand>("Value", &CSCSetGraphMem::Value), F<Int32>("Access", &CSCSetGraphMem::Access)}},
        {"label", {F<Text>("m_name", &CSCLabel::m_name)}},
        {"branch",
         {F<Operand>("Reference", &CSCBranch::Reference), F<Operand>("Subject", &CSCBranch::Subject),
          F<Text>("Label", &CSCBranch::Label), F<Int32>("Condition", &CSCBranch::Condition)}},
        {"end", {}},
    }};
    return forms;
}

int FindKind(std::string_view key)
{
    const auto& forms = KindForms();
    for (size_t type = 0; type < forms.size(); ++type) {
        if (forms[type].key == key)
            return static_cast<int>(type);
    }
    return -1;
}

}
