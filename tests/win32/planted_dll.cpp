// A DLL named like one of Windows' own, left beside the program as someone
// might leave it in a Downloads folder: loaded, it leaves NAME.dll.loaded
// beside itself, then refuses to load.
#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    const std::wstring marker = std::wstring(path, length) + L".loaded";
    CloseHandle(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return FALSE;
}
