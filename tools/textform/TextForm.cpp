#include "tools/textform/TextForm.h"

#include "tools/textform/Kinds.h"
#include "tools/textform/StrictJson.h"
#include "tools/textform/Values.h"

namespace textform {

namespace {

constexpr const char* kFormat = "stepchain-list";
constexpr int kVersion = 1;

// The deepest nesting of the form is an operand's text given as bytes.
constexpr int kMaxDepth = 8;

Json Parse(std::string_view text) { return ParseStrict(text, kMaxDepth); }

// Indented down to the fields of an action; a field's value (an operand,
// a text's bytes) stays on the field's line, so that a list reads one field
// a line and a change shows as one changed line.
void Write(std::string& out, const Json& json, int depth)
{
    constexpr int kFieldDepth = 3;
    if (depth >= kFieldDepth || !json.is_structured() || json.empty()) {
        out += json.dump();
        return;
    }
    const std::string indent(static_cast<size_t>(depth) * 2, ' ');
    out += json.is_object() ? "{\n" : "[\n";
    bool first = true;
    for (const auto& item : json.items()) {
        out += first ? "" : ",\n";
        first = false;
        out += indent + "  ";
        if (json.is_object())
            out += Json(item.key()).dump() + ": ";
        Write(out, item.value(), depth + 1);
    }
    out += "\n" + indent + (json.is_object() ? "}" : "]");
}

void BuildAction(CStepchainData& list, const Json& json, const std::string& path)
{
    if (!json.is_object())
        throw FormError(path, "must be an object");
    const auto kind = json.find("kind");
    if (kind == json.end())
        throw FormError(Member(path, "kind"), "is missing");
    const int type = kind->is_string() ? FindKind(kind->get<std::string>()) : -1;
    if (type < 0)
        throw FormError(Member(path, "kind"), "unknown kind " + kind->dump());
    const KindForm& form = KindForms()[static_cast<size_t>(type)];
    std::vector<std::string_view> keys = {"kind"};
    for (const Field& field : form.fields)
        keys.push_back(field.name);
    RequireExactKeys(json, path, keys, "is not a field of kind \"" + std::string(form.key) + "\"");

    std::unique_ptr<IStepchain> action(list.CreateSC(type));
    if (!action)
        throw FormError(Member(path, "kind"), "kind \"" + std::string(form.key) + "\" cannot be created");
    for (const Field& field : form.fields) {
        const std::string name(field.name);
        field.build(*action, json.at(name), Member(path, name));
    }
    list.AddSC(action.release());
}

std::unique_ptr<CStepchainData> BuildDocument(const Json& document)
{
    RequireExactKeys(document, {}, {"format", "version", "actions"}, "is not a key of the text form");
    if (document.at("format") != kFormat)
        throw FormError("format", std::string("must be \"") + kFormat + "\"");
    const Json& version = document.at("version");
    if (!version.is_number_integer() || version != kVersion)
        throw FormError("version", "must be " + std::to_string(kVersion));
    const Json& actions = document.at("actions");
    if (!actions.is_array())
        throw FormError("actions", "must be an array");
    if (actions.size() > MAX_STEPCHAIN_ACTIONS) {
        throw FormError("actions", "holds " + std::to_string(actions.size()) + " actions, at most " +
                                       std::to_string(MAX_STEPCHAIN_ACTIONS) + " can be stored");
    }
    auto list = std::make_unique<CStepchainData>();
    for (size_t i = 0; i < actions.size(); ++i)
        BuildAction(*list, actions[i], Element("actions", i));
    return list;
}

}

std::string Dump(const CStepchainData& list)
{
    Json actions = Json::array();
    for (size_t row = 0; row < list.GetCount(); ++row) {
        IStepchain* action = list.GetAt(row);
        const KindForm& form = KindForms().at(static_cast<size_t>(action->GetActionType()));
        Json entry = Json::object();
        entry["kind"] = std::string(form.key);
        for (const Field& field : form.fields)
            entry[std::string(field.name)] = field.dump(*action);
        actions.push_back(std::move(entry));
    }
    Json document = Json::object();
    document["format"] = kFormat;
    document["version"] = kVersion;
    document["actions"] = std::move(actions);
    std::string text;
    Write(text, document, 0);
    return text + "\n";
}

std::unique_ptr<CStepchainData> Build(std::string_view text) { return BuildDocument(Parse(text)); }

bool MayBeTextForm(std::string_view head)
{
    if (head.starts_with("\xEF\xBB\xBF"))
        head.remove_prefix(3);
    const size_t first = head.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos || head[first] == '{';
}

std::unique_ptr<CStepchainData> TryBuild(std::string_view bytes, std::string& whyNot)
{
    whyNot.clear();
    std::string_view rest = bytes;
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    const size_t first = rest.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || rest[first] != '{')
        return nullptr;
    Json document;
    try {
        document = Parse(bytes);
    } catch (const FormError& e) {
        whyNot = e.what();
        return nullptr;
    }
    const auto format = document.find("format");
    if (format == document.end() || *format != kFormat) {
        whyNot = std::string("a JSON object without \"format\": \"") + kFormat + "\"";
        return nullptr;
    }
    return BuildDocument(document);
}

}
