#include "support/Settings.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "actions/CSCAction.h"
#include "core/Cp932.h"

namespace {

void SetOne(CSCAction& action, std::string_view name, const std::string& value)
{
    const size_t dot = name.find('.');
    for (const ActionField& field : action.GetFields().fields) {
        if (field.Name() != name.substr(0, dot))
            continue;
        const std::string_view part = dot == std::string_view::npos ? "" : name.substr(dot + 1);
        switch (field.Type()) {
        case FieldType::Operand:
            if (part == "aux")
                field.Operand(action).m_aux = std::stoi(value, nullptr, 0);
            else if (part == "kind")
                field.Operand(action).m_kind = std::stoi(value);
            else
                field.Operand(action).m_name = cp932::FromUTF8(value);
            return;
        case FieldType::Text: field.Text(action) = cp932::FromUTF8(value); return;
        case FieldType::Int32: field.Int32(action) = static_cast<int32_t>(std::stoll(value, nullptr, 0)); return;
        case FieldType::Dword:
        case FieldType::Bit: field.Dword(action) = static_cast<DWORD>(std::stoll(value, nullptr, 0)); return;
        }
    }
    throw std::invalid_argument("no field " + std::string(name));
}

}

void Set(IStepchain& action, std::string_view settings)
{
    while (!settings.empty()) {
        const std::string_view item = settings.substr(0, settings.find('|'));
        settings.remove_prefix(std::min(settings.size(), item.size() + 1));
        if (item.empty())
            continue;
        const size_t equals = item.find('=');
        SetOne(*CSCAction::AsAction(&action), item.substr(0, equals), std::string(item.substr(equals + 1)));
    }
}

IStepchain* Make(CStepchainData& list, int type, std::string_view settings)
{
    IStepchain* action = list.CreateSC(type);
    Set(*action, settings);
    return action;
}
