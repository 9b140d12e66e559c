#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>

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
#include "support/Bytes.h"
#include "support/Stored.h"
#include "tools/ListFile.h"
#include "tools/textform/TextForm.h"

namespace {

using nlohmann::json;
using List = std::unique_ptr<CStepchainData>;

List Loaded(const std::string& bytes)
{
    auto list = std::make_unique<CStepchainData>();
    CArchive ar(bytes);
    list->Serialize(ar);
    EXPECT_EQ(ar.GetRemaining(), 0u);
    return list;
}

CVXMemNode Op(const char* name, int kind = CVXMemNode::KIND_MEMORY)
{
    CVXMemNode node;
    node.m_name = name;
    node.m_kind = kind;
    return node;
}

template <typename A>
A& As(IStepchain& action)
{
    return static_cast<A&>(action);
}

// Every kind with every field set apart from its default: each operand is
// named as its field, and each other field has a value of its own.
struct Rich {
    int type;
    const char* key;
    std::function<void(IStepchain&)> set;
    const char* scalars;  // the fields that are not operands
};

const Rich kRich[] = {
    {SC_PAGEJUMP, "page_jump",
     [](IStepchain& s) { auto& a = As<CSCPageJump>(s); a.m_page = Op("m_page"); a.m_mode = -2147090430; },
     R"({"m_mode":-2147090430})"},
    {SC_SETVALUE, "set_value",
     [](IStepchain& s) { auto& a = As<CSCSetValue>(s); a.Dest = Op("Dest"); a.Source = Op("Source"); }, "{}"},
    {SC_CALC, "add_subtract",
     [](IStepchain& s) {
         auto& a = As<CSCCalc>(s);
         a.Dest = Op("Dest"); a.Delta = Op("Delta"); a.Upper = Op("Upper"); a.Lower = Op("Lower");
         a.AutoRepeat = 1; a.Beep = 0; a.Accelerate = 7; a.RangeCheck = 8; a.Wrap = 9;
     },
     R"({"AutoRepeat":1,"Beep":0,"Accelerate":7,"RangeCheck":8,"Wrap":9})"},
    {SC_CALCTIME, "clock_add_subtract",
     [](IStepchain& s) {
         auto& a = As<CSCCalcTime>(s);
         a.Hour = Op("Hour"); a.Minute = Op("Minute"); a.Delta = Op("Delta"); a.LimitHour = Op("LimitHour");
         a.LimitMinute = Op("LimitMinute"); a.AutoRepeat = 0; a.Beep = 1; a.Accelerate = 4294967295u; a.TimeLimit = 3;
     },
     R"({"AutoRepeat":0,"Beep":1,"Accelerate":4294967295,"TimeLimit":3})"},
    {SC_COMM, "comm_output",
     [](IStepchain& s) { auto& a = As<CSCComm>(s); a.Content = Op("Content"); a.ContentKind = 1; },
     R"({"ContentKind":1})"},
    {SC_PASSPAGE, "password_page_jump",
     [](IStepchain& s) { auto& a = As<CSCPassPage>(s); a.m_password = "1234"; a.m_jumpPage = 5; a.m_keypadPage = 6; },
     R"({"m_password":"1234","m_jumpPage":5,"m_keypadPage":6})"},
    {SC_KEYPAD, "keypad",
     [](IStepchain& s) {
         auto& a = As<CSCKeypad>(s);
         a.Dest = Op("Dest"); a.RangeMax = Op("RangeMax"); a.RangeMin = Op("RangeMin"); a.FracMem = Op("FracMem");
         a.TotalDigits = 11; a.FracFromMem = 12; a.FracDigits = 13; a.KeyPage = 14; a.RangeCheck = 15;
         a.UseMessage = 16; a.Message = "M"; a.UseActLink = 17; a.ActLink = "P!B!E";
     },
     R"({"TotalDigits":11,"FracFromMem":12,"FracDigits":13,"KeyPage":14,"RangeCheck":15,"UseMessage":16,
         "Message":"M","UseActLink":17,"ActLink":"P!B!E"})"},
    {SC_OPE, "arithmetic",
     [](IStepchain& s) {
         auto& a = As<CSCOpe>(s);
         a.Result = Op("Result"); a.Left = Op("Left"); a.Right = Op("Right"); a.Operator = 3;
     },
     R"({"Operator":3})"},
    {SC_CALL, "call", [](IStepchain& s) { As<CSCCall>(s).m_routine = "INIT: start"; }, R"({"m_routine":"INIT: start"})"},
    {SC_ACTIONLINK, "action_link", [](IStepchain& s) { As<CSCActionLink>(s).m_target = "P!B!E"; },
     R"({"m_target":"P!B!E"})"},
    {SC_STRING, "string",
     [](IStepchain& s) {
         auto& a = As<CSCString>(s);
         a.Target = Op("Target", CVXMemNode::KIND_TEXT); a.Text = "t"; a.Operation = 5; a.Source = Op("Source");
     },
     R"({"Text":"t","Operation":5})"},
    {SC_REFSH, "redraw", [](IStepchain&) {}, "{}"},
    {SC_SETGRAPHMEM, "graph_memory",
     [](IStepchain& s) {
         auto& a = As<CSCSetGraphMem>(s);
         a.GraphMem = Op("GraphMem", CVXMemNode::KIND_GRAPH); a.Position = Op("Position"); a.Value = Op("Value");
         a.Access = 1;
     },
     R"({"Access":1})"},
    {SC_LABEL, "label", [](IStepchain& s) { As<CSCLabel>(s).m_name = Sj("完了"); }, R"({"m_name":"完了"})"},
    {SC_BRANCH, "branch",
     [](IStepchain& s) {
         auto& a = As<CSCBranch>(s);
         a.Reference = Op("Reference"); a.Subject = Op("Subject"); a.Label = "L"; a.Condition = 4;
     },
     R"({"Label":"L","Condition":4})"},
    {SC_ACTIONEXIT, "end", [](IStepchain&) {}, "{}"},
};

List RichList()
{
    auto list = std::make_unique<CStepchainData>();
    for (const Rich& rich : kRich) {
        IStepchain* action = list->CreateSC(rich.type);
        rich.set(*action);
        list->AddSC(action);
    }
    return list;
}

List EveryKindByDefault()
{
    auto list = std::make_unique<CStepchainData>();
    for (int type = 0; type < SC_TYPE_COUNT; ++type)
        list->AddSC(list->CreateSC(type));
    return list;
}

}

TEST(TextForm, EveryFieldLandsUnderItsName)
{
    const json actions = json::parse(textform::Dump(*RichList())).at("actions");
    ASSERT_EQ(actions.size(), std::size(kRich));
    for (size_t row = 0; row < actions.size(); ++row) {
        const Rich& rich = kRich[row];
        json scalars = json::object();
        for (const auto& [key, value] : actions[row].items()) {
            if (value.is_object())
                EXPECT_EQ(value.at("name"), key) << rich.key;
            else if (key != "kind")
                scalars[key] = value;
        }
        EXPECT_EQ(actions[row].at("kind"), rich.key);
        EXPECT_EQ(scalars, json::parse(rich.scalars)) << rich.key;
    }
}

TEST(TextForm, ExactDocument)
{
    CStepchainData list;
    auto* set = static_cast<CSCSetValue*>(list.CreateSC(SC_SETVALUE));
    set->Dest = Op("TXT1", CVXMemNode::KIND_TEXT);
    set->Dest.m_subName = "S";
    set->Dest.m_value = -5;
    set->Dest.m_aux = 3;
    set->Dest.m_isText = 0;
    set->Dest.m_flag2 = 1;
    list.AddSC(set);
    list.AddSC(list.CreateSC(SC_ACTIONEXIT));
    EXPECT_EQ(textform::Dump(list), R"({
  "format": "stepchain-list",
  "version": 1,
  "actions": [
    {
      "kind": "set_value",
      "Dest": {"name":"TXT1","kind":"text","subName":"S","value":-5,"aux":3,"isText":0,"flag2":1},
      "Source": {"name":"","kind":"memory","subName":"","value":0,"aux":1,"isText":1,"flag2":0}
    },
    {
      "kind": "end"
    }
  ]
}
)");
}

TEST(TextForm, TextsKeepEveryByte)
{
    const std::pair<std::string, const char*> cases[] = {
        {"", R"("")"},
        {Sj("完了A"), R"("完了A")"},
        {"\n\"\\", R"("\n\"\\")"},
        {Hex("87 90"), R"({"bytes":"8790"})"},  // a second code of a character that converts back to 81 E0
        {Hex("41 81"), R"({"bytes":"4181"})"},  // a lead byte with nothing after it
        {Hex("80 FD"), R"({"bytes":"80FD"})"},
    };
    for (const auto& [bytes, expected] : cases) {
        CStepchainData list;
        auto* label = static_cast<CSCLabel*>(list.CreateSC(SC_LABEL));
        label->m_name = bytes;
        list.AddSC(label);
        const std::string text = textform::Dump(list);
        EXPECT_EQ(json::parse(text).at("actions")[0].at("m_name").dump(), expected);
        EXPECT_EQ(ToHex(*GetLabelName(textform::Build(text)->GetAt(0))), ToHex(bytes));
    }
}

namespace {

const std::string kEmpty = "01 00 00 00 00 01 00 00 00 00 00 00 00 ";
const std::string kKeypadNodes = "01 00 00 00 04 56 41 4C 31 01 00 00 00 00 00 00 00 " + kEmpty + kEmpty;
const std::string kKeypadRest = "00 00 00 00 02 00 00 00 " + kEmpty + "03 00 00 00 00 00 00 00 00 00 00 00 00 ";
const std::string kTarget = "01 00 00 00 0A 54 58 54 31 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00 ";
const std::string kSetText = "03 61 62 63 02 00 00 00 ";
const std::string kTextSource = "01 00 00 00 06 5B 54 45 58 54 5D 00 60 00 00 00 00 00 00 00 ";

// Lists in the layouts that loading accepts besides the one it stores.
const std::pair<const char*, std::string> kOlderLayouts[] = {
    {"keypad counting integer digits", "01 00 06 " + kKeypadNodes + "04 00 00 00 02 00 00 00 03 00 00 00 00 00 00 00"},
    {"keypad, plain marker", "01 00 06 " + kKeypadNodes + "FF FF FF FF 06 00 00 00 " + kKeypadRest},
    {"keypad, link marker with the link off", "01 00 06 " + kKeypadNodes + "FE FF FF FF 06 00 00 00 " + kKeypadRest +
                                                  "00 00 00 00 05 41 21 42 21 43"},
    {"string, V2 tag", "01 00 0A " + kTarget + "0E 40 40 40 56 32 46 6F 72 6D 61 74 40 40 40 " + kSetText + kTextSource},
    {"string, untagged", "01 00 0A " + kTarget + kSetText},
    {"string, V3 with a second target",
     "01 00 0A " + kTarget + "0E 40 40 40 56 33 46 6F 72 6D 61 74 40 40 40 " + kSetText + kTextSource +
         "01 00 00 00 0A 54 58 54 32 5B 54 45 58 54 5D 00 01 00 00 00 00 00 00 00"},
    {"wide label", "01 00 0D FF FE FF 03 41 00 42 30 3D D8"},
    {"text operand without its second text", "01 00 01 01 00 00 00 0A 54 58 54 31 5B 54 45 58 54 5D 01 00 00 00 00 00 00 00 " + kEmpty},
    {"operand flags with unused bits", "01 00 01 FF FF FF FF 02 57 30 01 00 00 00 00 00 00 00 " + kEmpty},
};

void ExpectBuildOfDumpStoresTheSame(CStepchainData& list, const std::string& what)
{
    const std::string stored = StoredBytes(list);
    const std::string text = textform::Dump(list);
    List built = textform::Build(text);
    EXPECT_EQ(ToHex(StoredBytes(*built)), ToHex(stored)) << what;
    EXPECT_EQ(textform::Dump(*built), text) << what;
}

}

TEST(TextForm, BuildOfDumpStoresWhatStoreStores)
{
    ExpectBuildOfDumpStoresTheSame(*EveryKindByDefault(), "every kind");
    ExpectBuildOfDumpStoresTheSame(*RichList(), "every field set");
    // A graph memory whose name ends in a lone lead byte stores "?" in its place.
    List lone = RichList();
    As<CSCSetGraphMem>(*lone->GetAt(SC_SETGRAPHMEM)).GraphMem.m_name = Hex("47 81");
    ExpectBuildOfDumpStoresTheSame(*lone, "lone lead byte");
    for (const auto& [what, hex] : kOlderLayouts)
        ExpectBuildOfDumpStoresTheSame(*Loaded(Hex(hex)), what);
}

TEST(TextForm, Refusals)
{
    // Each case changes one value of a good document ("" removes it).
    const std::array<const char*, 3> cases[] = {
        {"", "[]", "must be an object"},
        {"/x", "1", "x: is not a key of the text form"},
        {"/format", R"("stepchain")", R"(format: must be "stepchain-list")"},
        {"/version", "1.0", "version: must be 1"},
        {"/actions", "", "actions: is missing"},
        {"/actions", "{}", "actions: must be an array"},
        {"/actions/0", "13", "actions[0]: must be an object"},
        {"/actions/0/kind", "", "actions[0].kind: is missing"},
        {"/actions/0/kind", R"("jump")", R"(actions[0].kind: unknown kind "jump")"},
        {"/actions/0/kind", "13", "actions[0].kind: unknown kind 13"},
        {"/actions/0/Name", "1", R"(actions[0].Name: is not a field of kind "label")"},
        {"/actions/0/a b", "1", R"(actions[0]["a b"]: is not a field of kind "label")"},
        {"/actions/0/m_name", "", "actions[0].m_name: is missing"},
        {"/actions/0/m_name", "5", R"(actions[0].m_name: must be a string or an object {"bytes": hexadecimal digits})"},
        {"/actions/0/m_name", R"({"bytes":"8G"})", "actions[0].m_name.bytes: must be a string of hexadecimal digit pairs"},
        {"/actions/0/m_name", R"({"bytes":"817"})", "actions[0].m_name.bytes: must be a string of hexadecimal digit pairs"},
        {"/actions/0/m_name", R"({"hex":"81"})", "actions[0].m_name.hex: is not a part of a text"},
        {"/actions/1/Dest/name", R"("é")", "actions[1].Dest.name: holds a character that CP932 cannot hold"},
        {"/actions/1/Dest/kind", R"("pointer")",
         R"(actions[1].Dest.kind: must be one of "memory", "graph", "text", "literal_text")"},
        {"/actions/1/Dest/aux", "", "actions[1].Dest.aux: is missing"},
        {"/actions/1/Dest/value", "2147483648", "actions[1].Dest.value: must be a whole number from -2147483648 to 2147483647"},
        {"/actions/1/Dest/isText", "2", "actions[1].Dest.isText: must be a whole number from 0 to 1"},
        {"/actions/1/AutoRepeat", "true", "actions[1].AutoRepeat: must be a whole number from 0 to 1"},
        {"/actions/1/Accelerate", "-1", "actions[1].Accelerate: must be a whole number from 0 to 4294967295"},
        {"/actions/2/m_jumpPage", "1.5", "actions[2].m_jumpPage: must be a whole number from -2147483648 to 2147483647"},
    };
    CStepchainData list;
    for (int type : {SC_LABEL, SC_CALC, SC_PASSPAGE})
        list.AddSC(list.CreateSC(type));
    const json good = json::parse(textform::Dump(list));
    for (const auto& [pointer, value, message] : cases) {
        json document = good;
        const json::json_pointer at(pointer);
        if (*value == '\0')
            document[at.parent_pointer()].erase(at.back());
        else
            document[at] = json::parse(value);
        try {
            textform::Build(document.dump());
            ADD_FAILURE() << "accepted: " << message;
        } catch (const textform::FormError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
    EXPECT_THROW(textform::Build("{\"format\": "), textform::FormError);
}

TEST(TextForm, ParserRefusalsNameThePath)
{
    const std::string head = R"({"format": "stepchain-list", "version": 1, "actions": [{"kind": "label", "m_name": )";
    const std::pair<std::string, const char*> cases[] = {
        {head + "1e999}]}", "actions[0].m_name: number overflow parsing '1e999'"},
        {head + R"("A", "m_name": "B"}]})", "actions[0].m_name: is given twice"},
        {R"({"format": "stepchain-list", "format": "stepchain-list"})", "format: is given twice"},
        {head + R"({"bytes": [[[[[[]]]]]]}}]})", "actions[0].m_name.bytes[0][0][0][0]: nests deeper than 8 levels"},
        {head + "\"\xFF\"}]}", "actions[0].m_name: parse error at line 1, column 85: syntax error while parsing "
                                "value - invalid string: ill-formed UTF-8 byte; last read: '\"\xFF'"},
    };
    for (const auto& [text, message] : cases) {
        try {
            textform::Build(text);
            ADD_FAILURE() << "accepted: " << message;
        } catch (const textform::FormError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

// The longest row each kind can take with texts of at most 254 bytes, in
// either form, is what the input bounds allow for.
TEST(TextForm, LongestRowsFitTheInputBounds)
{
    const json actions = json::parse(textform::Dump(*EveryKindByDefault())).at("actions");
    const auto document = [](const json& action) {
        return json{{"format", "stepchain-list"}, {"version", 1}, {"actions", {action}}}.dump();
    };
    const auto builds = [&](const json& action) {
        try {
            textform::Build(document(action));
            return true;
        } catch (const textform::FormError&) {
            return false;
        }
    };
    const std::string longest(254, '\x01');
    uint64_t stored = 0;
    uint64_t text = 0;
    for (json action : actions) {
        for (auto& [key, value] : action.items()) {
            if (value.is_string() && key != "kind")
                value = longest;
            if (value.is_object())
                value = {{"name", longest}, {"kind", "text"}, {"subName", longest}, {"value", INT32_MIN},
                         {"aux", INT32_MIN}, {"isText", 1}, {"flag2", 1}};
            for (const json& number : {json(INT32_MIN), json(UINT32_MAX), json(1)}) {
                if (!value.is_number())
                    break;
                const json old = value;
                value = number;
                if (builds(action))
                    break;
                value = old;
            }
        }
        ASSERT_TRUE(builds(action)) << action.dump();
        const List list = textform::Build(document(action));
        stored = std::max<uint64_t>(stored, StoredBytes(*list).size() - 2);
        text = std::max<uint64_t>(text, textform::Dump(*list).size() - textform::Dump(CStepchainData()).size());
    }
    EXPECT_EQ(stored, MAX_STORED_ROW_BYTES);
    EXPECT_LE(text, MAX_TEXT_FORM_ROW_BYTES);
    EXPECT_GE(text, MAX_TEXT_FORM_ROW_BYTES * 9 / 10);
}

TEST(TextForm, RecognisedByContent)
{
    const std::string empty = R"({"format": "stepchain-list", "version": 1, "actions": []})";
    const struct {
        std::string bytes;
        bool text;
        const char* whyNot;
    } cases[] = {
        {empty, true, ""},
        {" \r\n\t" + empty, true, ""},
        {"\xEF\xBB\xBF" + empty, true, ""},
        {Hex("01 00 0F"), false, ""},
        {R"({"format": "other"})", false, R"(a JSON object without "format": "stepchain-list")"},
        {"{\"format\": 1", false, "parse error at line 1, column 13: syntax error while parsing object - unexpected "
                                  "end of input; expected '}'"},
        // A binary list of 123 actions begins with "{".
        {Hex("7B 00") + std::string(123, '\x0F'), false, "a zero byte at byte offset 1, which JSON text cannot hold"},
        {empty + '\0' + "x", false, "a zero byte at byte offset 57, which JSON text cannot hold"},
    };
    for (const auto& c : cases) {
        std::string whyNot = "stale";
        const List list = textform::TryBuild(c.bytes, whyNot);
        EXPECT_EQ(list != nullptr, c.text) << c.bytes;
        EXPECT_EQ(whyNot, c.whyNot) << c.bytes;
    }
    std::string whyNot;
    EXPECT_THROW(textform::TryBuild(R"({"format": "stepchain-list", "version": 2, "actions": []})", whyNot),
                 textform::FormError);
}
