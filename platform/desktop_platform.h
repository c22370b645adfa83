#pragma once

#include <memory>

#include "runtime/platform.h"
#include "runtime/registry.h"

// The real platform, one per operating system: the Windows registry on
// Windows; on Linux a registry built in memory at the first look-up (see
// platform/linux/sysinfo_registry.h); in the browser an empty one.
class DesktopPlatform : public runtime::Platform {
public:
    runtime::Registry &registry() override;
    bool fileExists(const std::string &path) override;
    bool startProgram(const std::string &path) override;

private:
    std::unique_ptr<runtime::Registry> registry_;
};
