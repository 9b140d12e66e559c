#pragma once

#include <stdexcept>
#include <string>

namespace textform {

// A text form that does not describe a list. The text begins with the JSON
// path of the offending value ("actions[3].Dest.name: ..."), so the user
// finds it without counting.
class FormError : public std::runtime_error {
public:
    FormError(const std::string& path, const std::string& what)
        : std::runtime_error(path.empty() ? what : path + ": " + what)
    {
    }
};

}
