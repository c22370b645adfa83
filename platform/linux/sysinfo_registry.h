#pragma once

#include "platform/memory_registry.h"

// For desktops without a registry: one that holds, where Windows keeps the
// system-information tool's path, the first such program of the desktop
// found on the PATH, and nothing when there is none.
runtime::MemoryRegistry sysInfoRegistry();
