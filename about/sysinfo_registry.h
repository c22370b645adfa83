#pragma once

#include "runtime/memory_registry.h"

// Where Windows records its system-information tool: the tool's full path,
// or else the folder that holds MSINFO32.EXE.
inline constexpr const char *kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char *kSysInfoValue = "PATH";
inline constexpr const char *kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char *kSysInfoLocationValue = "MSINFO";

// For desktops without a registry: one that holds, where Windows keeps the
// tool's path, the first system-information program of the desktop found on
// the PATH, and nothing when there is none.
runtime::MemoryRegistry sysInfoRegistry();
