#!/usr/bin/env bash
# Fails when a program users run (Valutrino.exe, the setup) imports a DLL or
# a function that is not on the list below, each with the Windows version
# that brought it (the "Minimum supported client" of its documentation,
# Windows 2000 for anything older), or one newer than Windows 7 SP1, or when
# Valutrino.exe imports a DLL that is not one of Windows' KnownDLLs or
# comctl32, or a header asks for a subsystem newer than 6.1: Windows 7's
# loader would refuse to start it, or a DLL of that name beside the program
# would be loaded in place of the system's.
# A new import is added here with its version.
# Usage: imports_check.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift

# DLL, version, functions; a DLL's functions may take several lines.
allowed=$(cat <<'TABLE'
advapi32.dll  Windows 2000   AdjustTokenPrivileges LookupPrivilegeValueW OpenProcessToken RegCloseKey RegCreateKeyExW
advapi32.dll  Windows 2000   RegDeleteKeyW RegDeleteValueW RegEnumKeyW RegEnumValueW RegOpenKeyExA RegOpenKeyExW
advapi32.dll  Windows 2000   RegQueryValueExA RegQueryValueExW RegSetValueExW
comctl32.dll  Windows 2000   ImageList_AddMasked ImageList_Create ImageList_Destroy InitCommonControls
comctl32.dll  Windows 2000   InitCommonControlsEx
comctl32.dll  Windows XP     DefSubclassProc RemoveWindowSubclass SetWindowSubclass
gdi32.dll     Windows 2000   CreateBrushIndirect CreateCompatibleDC CreateFontIndirectW CreateSolidBrush DeleteDC
gdi32.dll     Windows 2000   DeleteObject EnumFontFamiliesExW GetDeviceCaps GetGlyphOutlineW GetTextExtentPoint32W
gdi32.dll     Windows 2000   GetTextMetricsW SelectObject SetBkColor SetBkMode SetBrushOrgEx SetStretchBltMode
gdi32.dll     Windows 2000   SetTextColor StretchBlt TextOutW
kernel32.dll  Windows 2000   CloseHandle CompareFileTime CopyFileW CreateDirectoryW CreateEventA CreateFileW
kernel32.dll  Windows 2000   CreateProcessW CreateSemaphoreA CreateThread DeleteCriticalSection DeleteFileW
kernel32.dll  Windows 2000   DuplicateHandle EnterCriticalSection ExitProcess ExpandEnvironmentStringsW FindClose
kernel32.dll  Windows 2000   FindFirstFileW FindNextFileW FreeLibrary GetCommandLineW GetCurrentProcess
kernel32.dll  Windows 2000   GetCurrentProcessId GetCurrentThread GetCurrentThreadId GetDiskFreeSpaceW GetExitCodeProcess
kernel32.dll  Windows 2000   GetFileAttributesW GetFileSize GetFullPathNameW GetHandleInformation GetLastError
kernel32.dll  Windows 2000   GetModuleFileNameW GetModuleHandleA GetModuleHandleW GetPrivateProfileStringW GetProcAddress
kernel32.dll  Windows 2000   GetProcessAffinityMask GetShortPathNameW GetStartupInfoA GetSystemDirectoryW
kernel32.dll  Windows 2000   GetSystemTimeAsFileTime GetSystemWindowsDirectoryW GetTempFileNameW GetTempPathW
kernel32.dll  Windows 2000   GetThreadContext GetThreadPriority GetTickCount GetVersionExW GetWindowsDirectoryW
kernel32.dll  Windows 2000   GlobalAlloc GlobalFree GlobalLock GlobalUnlock InitializeCriticalSection IsDBCSLeadByteEx
kernel32.dll  Windows 2000   IsDebuggerPresent LeaveCriticalSection LoadLibraryA LoadLibraryExW LoadLibraryW MoveFileExW
kernel32.dll  Windows 2000   MoveFileW MulDiv MultiByteToWideChar OpenProcess OutputDebugStringA RaiseException ReadFile
kernel32.dll  Windows 2000   ReleaseSemaphore RemoveDirectoryW ResetEvent ResumeThread SearchPathW SetCurrentDirectoryW
kernel32.dll  Windows 2000   SetEnvironmentVariableW SetErrorMode SetEvent SetFileAttributesW SetFilePointer SetFileTime
kernel32.dll  Windows 2000   SetLastError SetProcessAffinityMask SetThreadContext SetThreadPriority
kernel32.dll  Windows 2000   SetUnhandledExceptionFilter Sleep SuspendThread TlsAlloc TlsGetValue TlsSetValue
kernel32.dll  Windows 2000   TryEnterCriticalSection VirtualProtect VirtualQuery WaitForMultipleObjects
kernel32.dll  Windows 2000   WaitForSingleObject WideCharToMultiByte WriteFile WritePrivateProfileStringW lstrcatW
kernel32.dll  Windows 2000   lstrcmpW lstrcmpiA lstrcmpiW lstrcpyA lstrcpynW lstrlenA lstrlenW
kernel32.dll  Windows XP     AddVectoredExceptionHandler IsWow64Process RemoveVectoredExceptionHandler RtlCaptureContext
kernel32.dll  Windows XP     RtlLookupFunctionEntry RtlUnwindEx RtlVirtualUnwind __C_specific_handler
kernel32.dll  Windows Vista  CompareStringOrdinal GetLocaleInfoEx GetTickCount64
msvcrt.dll    Windows XP     ___lc_codepage_func ___mb_cur_max_func __getmainargs __initenv __iob_func __mb_cur_max
msvcrt.dll    Windows XP     __p__acmdln __p__commode __p__fmode __set_app_type __setusermatherr _acmdln _amsg_exit
msvcrt.dll    Windows XP     _beginthreadex _cexit _close _commode _endthreadex _errno _fmode _initterm _iob _onexit
msvcrt.dll    Windows XP     _read _setjmp _setjmp3 _strdup _ultoa _wfindfirst _wfindnext _wutime abort atoi calloc exit
msvcrt.dll    Windows XP     fprintf fputc fputs free fwrite gmtime localeconv longjmp malloc memchr memcmp memcpy
msvcrt.dll    Windows XP     memmove memset printf realloc setlocale signal strchr strcmp strerror strlen strncmp time
msvcrt.dll    Windows XP     vfprintf wcslen wcsncpy
ole32.dll     Windows 2000   CoCreateInstance CoTaskMemFree IIDFromString OleInitialize OleUninitialize
shell32.dll   Windows 2000   SHBrowseForFolderW SHFileOperationW SHGetFileInfoW SHGetPathFromIDListW
shell32.dll   Windows 2000   SHGetSpecialFolderLocation ShellExecuteExW
user32.dll    Windows 2000   AdjustWindowRectEx AppendMenuW BeginPaint CallWindowProcW CharNextA CharNextW CharPrevW
user32.dll    Windows 2000   CheckDlgButton CloseClipboard CreateDialogParamW CreateMenu CreatePopupMenu CreateWindowExW
user32.dll    Windows 2000   DefWindowProcW DestroyIcon DestroyWindow DialogBoxParamW DispatchMessageW DrawTextW
user32.dll    Windows 2000   EmptyClipboard EnableMenuItem EnableWindow EndDialog EndPaint ExitWindowsEx FillRect
user32.dll    Windows 2000   FindWindowExW GetActiveWindow GetAncestor GetClassInfoExW GetClassInfoW GetClassNameW
user32.dll    Windows 2000   GetClientRect GetDC GetDlgCtrlID GetDlgItem GetDlgItemTextW GetFocus GetIconInfo GetMenu
user32.dll    Windows 2000   GetMessagePos GetMessageW GetMonitorInfoW GetNextDlgTabItem GetParent GetSysColor
user32.dll    Windows 2000   GetSysColorBrush GetSystemMenu GetSystemMetrics GetWindowLongPtrW GetWindowLongW
user32.dll    Windows 2000   GetWindowRect GetWindowTextLengthW GetWindowTextW InvalidateRect IsChild IsDialogMessageW
user32.dll    Windows 2000   IsIconic IsWindow IsWindowEnabled IsWindowVisible LoadCursorW LoadImageW MessageBoxIndirectW
user32.dll    Windows 2000   MessageBoxW MonitorFromWindow OpenClipboard PeekMessageW PostMessageW PostQuitMessage
user32.dll    Windows 2000   RegisterClassExW RegisterClassW ReleaseDC ScreenToClient SendMessageTimeoutW SendMessageW
user32.dll    Windows 2000   SetClassLongW SetClipboardData SetCursor SetDlgItemTextW SetFocus SetForegroundWindow
user32.dll    Windows 2000   SetMenuItemInfoW SetPropW SetTimer SetWindowLongPtrW SetWindowLongW SetWindowPos
user32.dll    Windows 2000   SetWindowTextW ShowWindow SystemParametersInfoW TrackPopupMenu TranslateMessage wsprintfA
user32.dll    Windows 2000   wsprintfW
TABLE
)
# Up to Windows 7 SP1, the oldest system Valutrino runs on.
versions=("Windows 2000" "Windows XP" "Windows Vista" "Windows 7")
# The KnownDLLs of Windows 7 that Valutrino.exe imports, always loaded from
# the system folder, and comctl32, whose version 6 the manifest takes from
# the side-by-side store.
program_dlls=" advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll "

# "dll function" for each function imported.
imports() {
    "$objdump" -p "$1" | awk '
        /^The Import Tables/ { inside = 1; next }
        /^[A-Z]/ { inside = 0 }
        inside && /DLL Name:/ { dll = tolower($3) }
        inside && /^\t[0-9a-f]+\t/ { print dll, $3 }'
}

declare -A version_of
while read -r dll word1 word2 functions; do
    for function in $functions; do version_of["$dll $function"]="$word1 $word2"; done
done <<<"$allowed"

failed=0
fail() { echo "FAILED: $1"; failed=1; }
for program in "$@"; do
    name=${program##*/}
    while read -r dll function; do
        version=${version_of["$dll $function"]:-}
        if [ -z "$version" ]; then
            fail "$name imports $dll $function, which is not on the list"
        elif [[ ! " ${versions[*]/%/,} " == *" $version,"* ]]; then
            fail "$name imports $dll $function from $version"
        fi
        [ "$name" != Valutrino.exe ] || [[ $program_dlls == *" $dll "* ]] ||
            fail "$name imports $dll, which is no KnownDLL"
    done < <(imports "$program" | sort -u)
    read -r major minor < <("$objdump" -p "$program" | awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { print major, $2 }')
    ((major * 100 + minor <= 601)) || fail "$name asks for subsystem $major.$minor"
done
exit $failed
