#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/IStepchain.h"
#include "tools/textform/Values.h"

namespace textform {

// One stored field of a kind of action, under the name the code gives it.
struct Field {
    std::string_view name;
    std::function<Json(IStepchain&)> dump;
    std::function<void(IStepchain&, const Json&, const std::string& path)> build;
};

// A kind of action in the text form: its key and its fields in stored order,
// made from the kind's field table.
struct KindForm {
    std::string_view key;
    std::vector<Field> fields;
};

// Indexed by type id.
const std::array<KindForm, SC_TYPE_COUNT>& KindForms();

// The type id of a kind key, or -1.
int FindKind(std::string_view key);

}
