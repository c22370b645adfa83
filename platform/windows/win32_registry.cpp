#include "platform/windows/win32_registry.h"

#include <windows.h>

namespace runtime {
namespace {

HKEY toHkey(RegKey key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long Win32Registry::open(RegKey root, const std::string &subKey, std::uint32_t access, RegKey *key)
{
    HKEY opened = nullptr;
    // The 64-bit view, where 64-bit Windows keeps what its own programs
    // registered; a 32-bit program would otherwise see only Wow6432Node.
    // 32-bit Windows ignores the flag.
    const LONG result = RegOpenKeyExA(toHkey(root), subKey.c_str(), 0, access | KEY_WOW64_64KEY, &opened);
    *key = reinterpret_cast<RegKey>(opened);
    return result;
}

long Win32Registry::query(RegKey key, const std::string &valueName, std::uint32_t *type, char *data,
                          std::uint32_t *size)
{
    DWORD valueType = 0;
    DWORD bytes = *size;
    const LONG result = RegQueryValueExA(toHkey(key), valueName.c_str(), nullptr, &valueType,
                                         reinterpret_cast<BYTE *>(data), &bytes);
    *type = valueType;
    *size = bytes;
    return result;
}

long Win32Registry::close(RegKey key)
{
    return RegCloseKey(toHkey(key));
}

} // namespace runtime
