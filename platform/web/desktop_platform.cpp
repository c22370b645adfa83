#include "platform/desktop_platform.h"

#include "platform/memory_registry.h"

using namespace runtime;

// A browser records no system-information tool, sees no files and starts no
// programs: System Info says that the tool is not available.
Registry &DesktopPlatform::registry()
{
    if (!registry_)
        registry_ = std::make_unique<MemoryRegistry>();
    return *registry_;
}

bool DesktopPlatform::fileExists(const std::string &)
{
    return false;
}

bool DesktopPlatform::startProgram(const std::string &)
{
    return false;
}
