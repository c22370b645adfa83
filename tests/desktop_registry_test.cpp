// Where a desktop without a registry finds its system-information tool.
#include <doctest/doctest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "about/registry_value.h"
#include "about/sysinfo_registry.h"

namespace fs = std::filesystem;

namespace {

// A PATH of one folder holding the programs given, undone when it goes.
class FakePath {
public:
    explicit FakePath(const std::vector<std::string> &programs)
        : folder_(fs::temp_directory_path() / ("valutrino-path-" + std::to_string(std::rand()))),
          saved_(std::getenv("PATH") ? std::getenv("PATH") : "")
    {
        fs::create_directories(folder_);
        for (const std::string &program : programs) {
            std::ofstream(folder_ / program) << "#!/bin/sh\n";
            fs::permissions(folder_ / program, fs::perms::owner_read | fs::perms::owner_exec);
        }
        setenv("PATH", folder_.c_str(), 1);
    }
    ~FakePath()
    {
        setenv("PATH", saved_.c_str(), 1);
        fs::remove_all(folder_);
    }
    std::string path(const std::string &program) const { return (folder_ / program).string(); }

private:
    fs::path folder_;
    std::string saved_;
};

} // namespace

TEST_CASE("the first system-information program on the PATH is recorded where Windows keeps the tool")
{
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
        FakePath path(installed);
        runtime::MemoryRegistry registry = sysInfoRegistry();
        std::string keyVal;
        CHECK(readKeyValue(registry, runtime::kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, keyVal) == !chosen.empty());
        CHECK(keyVal == (chosen.empty() ? "" : path.path(chosen)));
    }
}
