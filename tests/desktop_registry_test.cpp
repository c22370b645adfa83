// Where a desktop without a registry finds its system-information tool.
#include <doctest/doctest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "about/registry_value.h"
#include "platform/linux/sysinfo_registry.h"
#include "platform/sysinfo_keys.h"

TEST_CASE("the first system-information program on the PATH is recorded where Windows keeps the tool")
{
    namespace fs = std::filesystem;
    const std::string savedPath = std::getenv("PATH");
    const struct {
        std::vector<std::string> installed;
        std::string chosen;
    } cases[] = {
        {{}, ""},
        {{"kinfocenter"}, "kinfocenter"},
        {{"kinfocenter", "hardinfo"}, "hardinfo"},
        {{"msinfo32", "gedit"}, ""},
    };
    for (const auto &[installed, chosen] : cases) {
        CAPTURE(chosen);
        char folder[] = "/tmp/valutrino-path-XXXXXX";
        REQUIRE(mkdtemp(folder));
        for (const std::string &program : installed) {
            std::ofstream(fs::path(folder) / program) << "#!/bin/sh\n";
            fs::permissions(fs::path(folder) / program, fs::perms::owner_read | fs::perms::owner_exec);
        }
        setenv("PATH", folder, 1);
        runtime::MemoryRegistry registry = sysInfoRegistry();
        setenv("PATH", savedPath.c_str(), 1);
        fs::remove_all(folder);

        std::string keyVal;
        CHECK(readKeyValue(registry, runtime::kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, keyVal) == !chosen.empty());
        CHECK(keyVal == (chosen.empty() ? "" : (fs::path(folder) / chosen).string()));
    }
}
