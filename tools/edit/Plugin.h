#pragma once

#include <stdexcept>
#include <string>

#include "host/PluginEntry.h"

// A failure to load the plug-in, said in one line.
class PluginError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The property module, loaded as the host loads it.
class Plugin {
public:
    static constexpr const char* FILE_NAME = "libstepchain.so";
    static constexpr const char* TYPE_KEY = "STEPCHAIN";

    // Loads `path`; with an empty path, the module beside this program, else
    // the one this program was installed with (found through its run path).
    // Throws PluginError when there is none, it does not load, it lacks an
    // entry point or it answers another type key.
    explicit Plugin(const std::string& path);
    // Unloads the module; every property it made must be gone by then.
    ~Plugin();
    Plugin(const Plugin&) = delete;
    Plugin& operator=(const Plugin&) = delete;

    CreateProc Create() const { return m_create; }
    // Where it was loaded from, as it was asked for.
    const std::string& Where() const { return m_where; }

private:
    void* m_handle = nullptr;
    CreateProc m_create = nullptr;
    std::string m_where;
};
