// The program started from a folder that also holds DLLs named like those
// it loads at run time (tests/win32/planted_dll.cpp) loads none of them: not
// at start, not when a screen reader asks every control for its accessible
// object, not with the About window open.
// Usage: planted_dlls_test PROGRAM.exe PLANTED.dll [DOCTEST_ARGUMENT...]
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "runtime/win32/handles.h"

namespace fs = std::filesystem;

namespace {

// The names to plant; Wine is told to prefer a DLL of these names found on
// the way to its own (WINEDLLOVERRIDES=NAME=n,b), as Windows would. Not
// uxtheme, which Wine's comctl32 takes from the program's folder (the
// imports check keeps it out of the program's imports), nor ole32, which
// Wine's imm32 loads at start through a delayed import that ignores the
// program's DLL directories; Windows has ole32 among its KnownDLLs.
const char *const kPlanted[] = {"oleacc.dll", "oleaut32.dll", "shcore.dll"};

fs::path program, planted;

// ctest hands Unix paths; Wine's drive Z: is the Unix root.
fs::path windowsPath(const char *path)
{
    return path[0] == '/' ? fs::path("Z:" + std::string(path)).make_preferred() : fs::path(path);
}

// A folder of its own holding the program and the planted DLLs, gone with
// the test.
struct Downloads {
    fs::path folder = fs::temp_directory_path() / ("valutrino-planted-" + std::to_string(GetCurrentProcessId()));
    Downloads()
    {
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(program, folder / "Valutrino.exe");
        for (const char *name : kPlanted)
            fs::copy_file(planted, folder / name);
    }
    ~Downloads()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    // The names of those loaded, as "oleacc.dll, shcore.dll".
    std::string loaded() const
    {
        std::string names;
        for (const char *name : kPlanted)
            if (fs::exists(folder / (std::string(name) + ".loaded")))
                names += (names.empty() ? "" : ", ") + std::string(name);
        return names;
    }
};

struct Started {
    runtime::win32::Owned<HANDLE, CloseHandle> process, thread;
    DWORD id = 0;
    explicit Started(const fs::path &exe)
    {
        std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        REQUIRE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               exe.parent_path().c_str(), &startup, &info));
        process.reset(info.hProcess);
        thread.reset(info.hThread);
        id = info.dwProcessId;
    }
    ~Started()
    {
        // Gone before its folder is removed.
        TerminateProcess(process.get(), 0);
        WaitForSingleObject(process.get(), 5000);
    }

    // Its shown window of that class, waited for up to ten seconds.
    HWND window(const wchar_t *className) const
    {
        for (int i = 0; i < 200; ++i) {
            for (HWND found = nullptr; (found = FindWindowExW(nullptr, found, className, nullptr));) {
                DWORD owner = 0;
                GetWindowThreadProcessId(found, &owner);
                if (owner == id && IsWindowVisible(found))
                    return found;
            }
            Sleep(50);
        }
        FAIL("no " << fs::path(className).string() << " window");
        return nullptr;
    }
};

BOOL CALLBACK collect(HWND child, LPARAM controls)
{
    reinterpret_cast<std::vector<HWND> *>(controls)->push_back(child);
    return TRUE;
}

// Asks every control of the window for its accessible object, as a screen
// reader does.
void askEveryControl(HWND window)
{
    std::vector<HWND> controls;
    EnumChildWindows(window, collect, reinterpret_cast<LPARAM>(&controls));
    REQUIRE(!controls.empty());
    for (HWND control : controls) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(control, WM_GETOBJECT, 0, LPARAM(OBJID_CLIENT), SMTO_ABORTIFHUNG, 5000, &ignored);
    }
}

} // namespace

TEST_CASE("no DLL left beside the program is loaded, at start, by a screen reader, or by the About window")
{
    const Downloads downloads;
    const Started valutrino(downloads.folder / "Valutrino.exe");
    HWND converter = valutrino.window(L"Form1");
    CHECK_MESSAGE(downloads.loaded().empty(), "at start: " << downloads.loaded());

    askEveryControl(converter);
    CHECK_MESSAGE(downloads.loaded().empty(), "asked for accessible objects: " << downloads.loaded());

    // File > Info, whose command is the first menu item's (runtime/win32/window.cpp): Wine's
    // menu handles do not cross processes, so it cannot be looked up from here.
    constexpr WPARAM kInfo = 1000;
    PostMessageW(converter, WM_COMMAND, kInfo, 0);
    askEveryControl(valutrino.window(L"frmAbout"));
    CHECK_MESSAGE(downloads.loaded().empty(), "with the About window: " << downloads.loaded());
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: planted_dlls_test PROGRAM.exe PLANTED.dll [DOCTEST_ARGUMENT...]\n");
        return 2;
    }
    program = windowsPath(argv[1]);
    planted = windowsPath(argv[2]);
    std::vector<char *> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 3, argv + argc);
    return doctest::Context(int(arguments.size()), arguments.data()).run();
}
