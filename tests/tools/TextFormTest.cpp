#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "actions/CSCSetGraphMem.h"
#include "support/RandomList.h"
#include "tools/ListBuilder.h"
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

void ExpectBuildOfDumpStoresTheSame(CStepchainData& list, const std::string& what)
{
    // Storing a list may settle what loading left open; the dump is of the list as it stores.
    const std::string stored = StoredBytes(list);
    const std::string text = textform::Dump(list);
    List built = textform::Build(text);
    ASSERT_EQ(ToHex(StoredBytes(*built)), ToHex(stored)) << what << "\n" << text;
    EXPECT_EQ(textform::Dump(*built), text) << what;
}

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

}

TEST(TextForm, ExactDocument)
{
    CStepchainData list;
    CVXMemNode& dest = Add<CSCSetValue>(list, SC_SETVALUE).Dest;
    std::tie(dest.m_name, dest.m_kind, dest.m_subName, dest.m_value, dest.m_aux, dest.m_isText, dest.m_flag2) =
        std::tuple("TXT1", CVXMemNode::KIND_TEXT, "S", -5, 3, 0, 1);
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
        {Sj("完了A"), R"("完了A")"},
        {Hex("87 90"), R"({"bytes":"8790"})"},  // a second code of a character that converts back to 81 E0
        {Hex("41 81"), R"({"bytes":"4181"})"},  // a lead byte with nothing after it
    };
    for (const auto& [bytes, expected] : cases) {
        CStepchainData list;
        Add<CSCLabel>(list, SC_LABEL).m_name = bytes;
        const std::string text = textform::Dump(list);
        EXPECT_EQ(json::parse(text).at("actions")[0].at("m_name").dump(), expected);
        EXPECT_EQ(ToHex(*GetLabelName(textform::Build(text)->GetAt(0))), ToHex(bytes));
    }
}

// Every field of every kind reaches the text form and comes back.
TEST(TextForm, BuildOfDumpStoresWhatStoreStores)
{
    for (uint32_t seed = 0; seed < 200; ++seed) {
        RandomList random(seed);
        CStepchainData list;
        random.Fill(list, random.Below(40));
        ExpectBuildOfDumpStoresTheSame(*Loaded(StoredBytes(list)), "seed " + std::to_string(seed));
    }
    // A graph memory whose name ends in a lone lead byte stores "?" in its place.
    List lone = EveryKind();
    static_cast<CSCSetGraphMem&>(*lone->GetAt(SC_SETGRAPHMEM)).GraphMem.m_name = Hex("47 81");
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
        {"/actions/0/kind", "13", "actions[0].kind: unknown kind 13"},
        {"/actions/0/a b", "1", R"(actions[0]["a b"]: is not a field of kind "label")"},
        {"/actions/0/m_name", "5", R"(actions[0].m_name: must be a string or an object {"bytes": hexadecimal digits})"},
        {"/actions/0/m_name", R"({"bytes":"8G"})", "actions[0].m_name.bytes: must be a string of hexadecimal digit pairs"},
        {"/actions/0/m_name", R"({"hex":"81"})", "actions[0].m_name.hex: is not a part of a text"},
        {"/actions/1/Dest/name", R"("é")", "actions[1].Dest.name: holds a character that CP932 cannot hold"},
        {"/actions/1/Dest/kind", R"("pointer")",
         R"(actions[1].Dest.kind: must be one of "memory", "graph", "text", "literal_text")"},
        {"/actions/1/Dest/value", "2147483648", "actions[1].Dest.value: must be a whole number from -2147483648 to 2147483647"},
        {"/actions/1/Dest/isText", "2", "actions[1].Dest.isText: must be a whole number from 0 to 1"},
        {"/actions/1/Accelerate", "-1", "actions[1].Accelerate: must be a whole number from 0 to 4294967295"},
        {"/actions/1/Dest/value", "1.5", "actions[1].Dest.value: must be a whole number from -2147483648 to 2147483647"},
    };
    CStepchainData list;
    for (int type : {SC_LABEL, SC_CALC})
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
}

// The longest row each kind can take with texts of at most 254 bytes, in
// either form, is what the input bounds allow for.
TEST(TextForm, LongestRowsFitTheInputBounds)
{
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
    const json actions = json::parse(textform::Dump(*EveryKind())).at("actions");
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
    // The bytes, whether they are a text form, and why not when they look like one.
    const std::tuple<std::string, bool, const char*> cases[] = {
        {" \r\n\t" + empty, true, ""},
        {"\xEF\xBB\xBF" + empty, true, ""},
        {Hex("01 00 0F"), false, ""},
        {R"({"format": "other"})", false, R"(a JSON object without "format": "stepchain-list")"},
        // A binary list of 123 actions begins with "{".
        {Hex("7B 00") + std::string(123, '\x0F'), false, "a zero byte at byte offset 1, which JSON text cannot hold"},
    };
    for (const auto& [bytes, text, expected] : cases) {
        std::string whyNot = "stale";
        EXPECT_EQ(textform::TryBuild(bytes, whyNot) != nullptr, text) << bytes;
        EXPECT_EQ(whyNot, expected) << bytes;
    }
    std::string whyNot;
    EXPECT_THROW(textform::TryBuild(R"({"format": "stepchain-list", "version": 2, "actions": []})", whyNot),
                 textform::FormError);
}
