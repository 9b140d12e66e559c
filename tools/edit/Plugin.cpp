#include "tools/edit/Plugin.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>

namespace {

std::string LoadError()
{
    const char* error = dlerror();
    return error != nullptr ? error : "unknown error";
}

std::filesystem::path ProgramDirectory()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

}

Plugin::Plugin(const std::string& path)
{
    if (!path.empty()) {
        m_where = path;
        if (!std::filesystem::exists(path))
            throw PluginError(path + ": the plug-in does not exist");
        // A path without a slash would be looked for in the library path instead.
        const std::string open = path.find('/') == std::string::npos ? "./" + path : path;
        m_handle = dlopen(open.c_str(), RTLD_NOW | RTLD_LOCAL);
    } else {
        // Beside the program, then where an installation puts it. Only then the
        // run path: a dlopen that a sanitizer's runtime intercepts searches the
        // runtime's run path instead of the program's.
        const std::filesystem::path program = ProgramDirectory();
        m_where = FILE_NAME;
        for (const std::filesystem::path& candidate :
             {program / FILE_NAME, program / STEPCHAIN_INSTALLED_PLUGIN_DIR / FILE_NAME}) {
            std::error_code error;
            if (!program.empty() && std::filesystem::exists(candidate, error)) {
                m_where = candidate.lexically_normal().string();
                break;
            }
        }
        m_handle = dlopen(m_where.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (m_handle == nullptr)
        throw PluginError("cannot load the plug-in: " + LoadError());
    const auto getType = reinterpret_cast<GetTypeProc>(dlsym(m_handle, PLUGIN_GET_TYPE));
    m_create = reinterpret_cast<CreateProc>(dlsym(m_handle, PLUGIN_CREATE));
    std::string fault;
    if (getType == nullptr || m_create == nullptr)
        fault = "is not a property module: it has no GetType or Create";
    else if (const char* type = getType(); type == nullptr || std::strcmp(type, TYPE_KEY) != 0)
        fault = "is a property module of type '" + std::string(type != nullptr ? type : "") + "', not " + TYPE_KEY;
    if (!fault.empty()) {
        dlclose(m_handle);
        throw PluginError(m_where + ": " + fault);
    }
}

Plugin::~Plugin() { dlclose(m_handle); }
