#pragma once

// Symbols are hidden by default; the plug-in shows the host what it calls.
#define STEPCHAIN_EXPORT __attribute__((visibility("default")))
