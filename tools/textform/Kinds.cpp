#include "tools/textform/Kinds.h"

#include "actions/CSCAction.h"

namespace textform {

namespace {

// A field of the kind's table, written as the value type `Type`. The
// action is of the kind whose form holds the field: the list creates each
// type id as its class.
template <typename Type, typename Access>
Field Form(const ActionField& field, Access access)
{
    return {field.Name(),
            [&field, access](IStepchain& action) { return Type::Dump((field.*access)(*CSCAction::AsAction(&action))); },
            [&field, access](IStepchain& action, const Json& json, const std::string& path) {
                Type::Build(json, path, (field.*access)(*CSCAction::AsAction(&action)));
            }};
}

Field Form(const ActionField& field)
{
    switch (field.Type()) {
    case FieldType::Operand: return Form<Operand>(field, &ActionField::Operand);
    case FieldType::Text: return Form<Text>(field, &ActionField::Text);
    case FieldType::Int32: return Form<Int32>(field, &ActionField::Int32);
    case FieldType::Dword: return Form<Dword>(field, &ActionField::Dword);
    case FieldType::Bit: return Form<Bit>(field, &ActionField::Dword);
    }
    return {};
}

}

const std::array<KindForm, SC_TYPE_COUNT>& KindForms()
{
    static const std::array<KindForm, SC_TYPE_COUNT> forms = [] {
        std::array<KindForm, SC_TYPE_COUNT> made;
        for (int type = 0; type < SC_TYPE_COUNT; ++type) {
            const ActionFieldTable& table = *FieldTableOf(type);
            KindForm& form = made[static_cast<size_t>(type)];
            form.key = table.key;
            for (const ActionField& field : table.fields)
                form.fields.push_back(Form(field));
        }
        return made;
    }();
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
