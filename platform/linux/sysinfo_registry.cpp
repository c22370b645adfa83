#include "platform/linux/sysinfo_registry.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "platform/sysinfo_keys.h"

namespace {

// The program of that name in the folders of the PATH, or "".
std::string findExecutable(std::string_view name)
{
    namespace fs = std::filesystem;
    const char *path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    while (!folders.empty()) {
        const auto colon = folders.find(':');
        const fs::path candidate = fs::path(folders.substr(0, colon)) / name;
        std::error_code error;
        const fs::file_status status = fs::status(candidate, error);
        if (fs::is_regular_file(status) && (status.permissions() & fs::perms::owner_exec) != fs::perms::none)
            return candidate.string();
        folders.remove_prefix(colon == std::string_view::npos ? folders.size() : colon + 1);
    }
    return {};
}

} // namespace

runtime::MemoryRegistry sysInfoRegistry()
{
    // Nearest to the Windows tool first: HardInfo (and its successor) sums up
    // the hardware, the system and its drivers on any desktop; KDE's info
    // centre does much the same but belongs to Plasma; lshw-gtk shows the
    // hardware only.
    static const char *const kPrograms[] = {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"};

    runtime::MemoryRegistry registry;
    for (const char *program : kPrograms) {
        const std::string path = findExecutable(program);
        if (!path.empty()) {
            registry.setString(runtime::kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, path);
            break;
        }
    }
    return registry;
}
