#pragma once

// Where Windows records its system-information tool: the tool's full path,
// or else the folder that holds MSINFO32.EXE. A platform without a registry
// records there the tool it found.
inline constexpr const char *kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char *kSysInfoValue = "PATH";
inline constexpr const char *kSysInfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char *kSysInfoLocationValue = "MSINFO";
