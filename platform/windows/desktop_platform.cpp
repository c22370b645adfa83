#include "platform/desktop_platform.h"

#include <windows.h>

#include "runtime/win32/handles.h"
#include "runtime/win32/text.h"
#include "platform/windows/win32_registry.h"

using runtime::win32::widen;

namespace {

// A path in the system folder as a 32-bit program on 64-bit Windows must
// write it to reach the real one: there System32 shows it SysWOW64, the
// 32-bit programs, and Sysnative names the System32 that 64-bit programs see.
std::wstring nativePath(const std::string &path)
{
    std::wstring wide = widen(path);
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64)
        return wide;
    wchar_t system[MAX_PATH], windows[MAX_PATH];
    const UINT systemLength = GetSystemDirectoryW(system, MAX_PATH);
    const UINT windowsLength = GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (systemLength == 0 || systemLength >= MAX_PATH || windowsLength == 0 || windowsLength >= MAX_PATH)
        return wide;
    if (wide.size() > systemLength && wide[systemLength] == L'\\'
        && CompareStringOrdinal(wide.c_str(), int(systemLength), system, int(systemLength), TRUE) == CSTR_EQUAL)
        return std::wstring(windows, windowsLength) + L"\\Sysnative" + wide.substr(systemLength);
    return wide;
}

} // namespace

runtime::Registry &DesktopPlatform::registry()
{
    if (!registry_)
        registry_ = std::make_unique<runtime::Win32Registry>();
    return *registry_;
}

bool DesktopPlatform::fileExists(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(nativePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DesktopPlatform::startProgram(const std::string &path)
{
    // A process of its own in a normal, focused window; the program is kept
    // no handle to it. The path is quoted: it may hold spaces.
    const std::wstring program = nativePath(path);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return false;
    const runtime::win32::Owned<HANDLE, CloseHandle> process(started.hProcess), thread(started.hThread);
    return true;
}
