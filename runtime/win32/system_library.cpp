#include "runtime/win32/system_library.h"

#include <string>

namespace runtime::win32 {
namespace {

FARPROC kernel32Function(const char *name)
{
    return GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
}

} // namespace

void searchSystemFolderOnly()
{
    using SetDefaultDllDirectories = BOOL(WINAPI *)(DWORD);
    // void (*)() stands for any function.
    if (auto set = reinterpret_cast<SetDefaultDllDirectories>(
            reinterpret_cast<void (*)()>(kernel32Function("SetDefaultDllDirectories"))))
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE loadSystemLibrary(const wchar_t *name)
{
    // AddDllDirectory came with the update that taught LoadLibraryExW the
    // LOAD_LIBRARY_SEARCH_ flags; Windows 7 without it refuses them.
    static const bool searchFlagsKnown = kernel32Function("AddDllDirectory") != nullptr;
    if (searchFlagsKnown)
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    // With a full path, the DLL's own imports would still be looked for in
    // the program's folder first; LOAD_WITH_ALTERED_SEARCH_PATH looks beside
    // the DLL instead.
    return LoadLibraryExW((std::wstring(folder, length) + L'\\' + name).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

} // namespace runtime::win32
