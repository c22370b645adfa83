#include "runtime/desktop_platform.h"

#include <windows.h>

#include "runtime/win32/handles.h"
#include "runtime/win32/text.h"
#include "runtime/win32/win32_registry.h"

using runtime::win32::widen;

runtime::Registry &DesktopPlatform::registry()
{
    if (!registry_)
        registry_ = std::make_unique<runtime::Win32Registry>();
    return *registry_;
}

bool DesktopPlatform::fileExists(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DesktopPlatform::startProgram(const std::string &path)
{
    // A process of its own in a normal, focused window; the program is kept
    // no handle to it. The path is quoted: it may hold spaces.
    std::wstring commandLine = L"\"" + widen(path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(widen(path).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started))
        return false;
    const runtime::win32::Owned<HANDLE, CloseHandle> process(started.hProcess), thread(started.hThread);
    return true;
}
