#!/usr/bin/env bash
# Fails when a Windows program imports a DLL or a function that is not on the
# list below, each with the Windows version that brought it (the "Minimum
# supported client" of its documentation, Windows 2000 for anything older),
# or one newer than Windows 7 SP1, or when Valutrino.exe imports a DLL that is
# not one of Windows' KnownDLLs or comctl32, or a header asks for a subsystem
# newer than 6.1: Windows 7's loader would refuse to start it, or a DLL of
# that name beside the program would be loaded in place of the system's.
# A new import is added here with its version.
# Usage: imports_check.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1
shift

# DLL, version, functions; a DLL's functions may take several lines.
allowed=$(cat <<'TABLE'
advapi32.dll  Windows 2000   AdjustTokenPrivileges LookupPrivilegeValueW OpenProcessToken RegCloseKey RegCreateKeyExA
advapi32.dll  Windows 2000   RegCreateKeyExW RegDeleteKeyW RegDeleteValueW RegEnumKeyW RegEnumValueW RegOpenKeyExA
advapi32.dll  Windows 2000   RegOpenKeyExW RegQueryValueExA RegQueryValueExW RegSetValueExA RegSetValueExW
comctl32.dll  Windows 2000   ImageList_AddMasked ImageList_Create ImageList_Destroy InitCommonControls
comctl32.dll  Windows 2000   InitCommonControlsEx
comctl32.dll  Windows XP     DefSubclassProc RemoveWindowSubclass SetWindowSubclass
gdi32.dll     Windows 2000   CreateBrushIndirect CreateCompatibleDC CreateFontIndirectW CreateSolidBrush DeleteDC
gdi32.dll     Windows 2000   DeleteObject EnumFontFamiliesExW GetDeviceCaps GetGlyphOutlineW GetObjectW GetPixel
gdi32.dll     Windows 2000   GetTextColor GetTextExtentPoint32W GetTextFaceW GetTextMetricsW SelectObject SetBkColor SetBkMode
gdi32.dll     Windows 2000   SetBrushOrgEx SetStretchBltMode SetTextColor StretchBlt TextOutW
kernel32.dll  Windows 2000   CloseHandle CompareFileTime CopyFileW CreateDirectoryW CreateEventA CreateFileW
kernel32.dll  Windows 2000   CreateHardLinkW CreateProcessW CreateSemaphoreA CreateThread DebugBreak
kernel32.dll  Windows 2000   DeleteCriticalSection DeleteFileW DuplicateHandle EnterCriticalSection ExitProcess
kernel32.dll  Windows 2000   ExpandEnvironmentStringsW FileTimeToSystemTime FindClose FindFirstFileW FindFirstVolumeW
kernel32.dll  Windows 2000   FindNextFileW FindNextVolumeW FindVolumeClose FormatMessageA FreeLibrary GetCommandLineW
kernel32.dll  Windows 2000   GetConsoleScreenBufferInfo GetCurrentProcess GetCurrentProcessId GetCurrentThread
kernel32.dll  Windows 2000   GetCurrentThreadId GetDiskFreeSpaceExW GetDiskFreeSpaceW GetExitCodeProcess
kernel32.dll  Windows 2000   GetFileAttributesW GetFileInformationByHandle GetFileSize GetFileSizeEx GetFileType
kernel32.dll  Windows 2000   GetFullPathNameW GetHandleInformation GetLastError GetModuleFileNameW GetModuleHandleA
kernel32.dll  Windows 2000   GetModuleHandleW GetPrivateProfileStringW GetProcAddress GetProcessAffinityMask
kernel32.dll  Windows 2000   GetProcessTimes GetShortPathNameW GetStartupInfoA GetStdHandle GetSystemDirectoryW
kernel32.dll  Windows 2000   GetSystemTimeAdjustment GetSystemTimeAsFileTime GetSystemWindowsDirectoryW GetTempFileNameW
kernel32.dll  Windows 2000   GetTempPathW GetThreadContext GetThreadPriority GetThreadTimes GetTickCount GetVersionExW
kernel32.dll  Windows 2000   GetVolumeInformationW GetWindowsDirectoryW GlobalAlloc GlobalFree GlobalLock GlobalUnlock
kernel32.dll  Windows 2000   InitializeCriticalSection IsDBCSLeadByteEx IsDebuggerPresent LeaveCriticalSection
kernel32.dll  Windows 2000   LoadLibraryA LoadLibraryExW LoadLibraryW LocalFree MoveFileExW MoveFileW MulDiv
kernel32.dll  Windows 2000   MultiByteToWideChar OpenProcess OutputDebugStringA QueryPerformanceCounter
kernel32.dll  Windows 2000   QueryPerformanceFrequency RaiseException ReadFile ReleaseSemaphore RemoveDirectoryW
kernel32.dll  Windows 2000   ResetEvent ResumeThread SearchPathW SetConsoleTextAttribute SetCurrentDirectoryW
kernel32.dll  Windows 2000   SetEndOfFile SetEnvironmentVariableW SetErrorMode SetEvent SetFileAttributesW SetFilePointer
kernel32.dll  Windows 2000   SetFileTime SetLastError SetProcessAffinityMask SetSystemTime SetThreadContext
kernel32.dll  Windows 2000   SetThreadPriority SetUnhandledExceptionFilter Sleep SuspendThread TerminateProcess TlsAlloc
kernel32.dll  Windows 2000   TlsGetValue TlsSetValue TryEnterCriticalSection VirtualProtect VirtualQuery
kernel32.dll  Windows 2000   WaitForMultipleObjects WaitForSingleObject WideCharToMultiByte WriteFile
kernel32.dll  Windows 2000   WritePrivateProfileStringW lstrcatW lstrcmpW lstrcmpiA lstrcmpiW lstrcpyA lstrcpynW lstrlenA
kernel32.dll  Windows 2000   lstrlenW
kernel32.dll  Windows XP     AddVectoredExceptionHandler GetModuleHandleExW IsWow64Process RemoveVectoredExceptionHandler
kernel32.dll  Windows XP     RtlCaptureContext RtlLookupFunctionEntry RtlUnwindEx RtlVirtualUnwind __C_specific_handler
kernel32.dll  Windows Vista  CompareStringOrdinal GetLocaleInfoEx GetTickCount64
msvcrt.dll    Windows XP     ___lc_codepage_func ___mb_cur_max_func __getmainargs __initenv __iob_func __mb_cur_max
msvcrt.dll    Windows XP     __p__acmdln __p__commode __p__fmode __set_app_type __setusermatherr _acmdln _amsg_exit
msvcrt.dll    Windows XP     _beginthreadex _cexit _close _commode _endthreadex _errno _fdopen _filelengthi64 _fileno
msvcrt.dll    Windows XP     _findclose _fmode _fstat64 _get_osfhandle _gmtime64 _initterm _iob _isatty _lock _lseeki64
msvcrt.dll    Windows XP     _onexit _read _setjmp _setjmp3 _strdup _telli64 _time64 _ultoa _unlock _wchdir _wchmod
msvcrt.dll    Windows XP     _wfindfirst _wfindfirst64 _wfindnext _wfindnext64 _wfopen _wfullpath _wgetcwd _wmkdir _wopen
msvcrt.dll    Windows XP     _write _wstat64 _wutime _wutime64 abort atoi calloc exit fclose fflush fgetpos fopen fprintf
msvcrt.dll    Windows XP     fputc fputs fread free fsetpos fwrite getc getenv getwc gmtime iswctype localeconv log10
msvcrt.dll    Windows XP     longjmp malloc memchr memcmp memcpy memmove memset printf putc putwc rand realloc setlocale
msvcrt.dll    Windows XP     setvbuf signal srand strchr strcmp strcoll strerror strftime strlen strncmp strrchr strstr
msvcrt.dll    Windows XP     strxfrm time tolower towlower towupper ungetc ungetwc vfprintf wcscat wcscmp wcscoll wcscpy
msvcrt.dll    Windows XP     wcsftime wcslen wcsncpy wcsxfrm
ole32.dll     Windows 2000   CoCreateInstance CoTaskMemFree IIDFromString OleInitialize OleUninitialize
oleacc.dll    Windows 2000   AccessibleObjectFromWindow
oleaut32.dll  Windows 2000   SysFreeString
shell32.dll   Windows 2000   SHBrowseForFolderW SHFileOperationW SHGetFileInfoW SHGetPathFromIDListW
shell32.dll   Windows 2000   SHGetSpecialFolderLocation ShellExecuteExW
user32.dll    Windows 2000   AdjustWindowRectEx AppendMenuW BeginPaint CallNextHookEx CallWindowProcW CharNextA CharNextW
user32.dll    Windows 2000   CharPrevW CheckDlgButton ClientToScreen CloseClipboard CreateDialogParamW CreateMenu
user32.dll    Windows 2000   CreatePopupMenu CreateWindowExW DefWindowProcW DestroyIcon DestroyWindow DialogBoxParamW
user32.dll    Windows 2000   DispatchMessageW DrawTextW EmptyClipboard EnableMenuItem EnableWindow EndDialog EndPaint
user32.dll    Windows 2000   EnumChildWindows ExitWindowsEx FillRect FindWindowExW GetActiveWindow GetAncestor
user32.dll    Windows 2000   GetClassInfoExW GetClassInfoW GetClassNameW GetClientRect GetDC GetDCEx GetDlgCtrlID
user32.dll    Windows 2000   GetDlgItem GetDlgItemTextW GetFocus GetIconInfo GetKeyboardState GetMenu GetMenuItemCount
user32.dll    Windows 2000   GetMenuItemInfoW GetMessagePos GetMessageW GetMonitorInfoW GetNextDlgTabItem GetParent
user32.dll    Windows 2000   GetPropW GetSubMenu GetSysColor GetSysColorBrush GetSystemMenu GetSystemMetrics GetWindow
user32.dll    Windows 2000   GetWindowLongPtrW GetWindowLongW GetWindowRect GetWindowTextLengthW GetWindowTextW
user32.dll    Windows 2000   GetWindowThreadProcessId InvalidateRect IsChild IsDialogMessageW IsIconic IsMenu IsWindow
user32.dll    Windows 2000   IsWindowEnabled IsWindowVisible LoadCursorW LoadIconW LoadImageW MapVirtualKeyW
user32.dll    Windows 2000   MapWindowPoints MessageBoxIndirectW MessageBoxW MonitorFromWindow MsgWaitForMultipleObjects
user32.dll    Windows 2000   OpenClipboard PeekMessageW PostMessageW PostQuitMessage RedrawWindow RegisterClassExW
user32.dll    Windows 2000   RegisterClassW ReleaseDC ScreenToClient SendMessageTimeoutW SendMessageW SetActiveWindow
user32.dll    Windows 2000   SetClassLongW SetClipboardData SetCursor SetDlgItemTextW SetFocus SetForegroundWindow
user32.dll    Windows 2000   SetKeyboardState SetMenuItemInfoW SetPropW SetTimer SetWindowLongPtrW SetWindowLongW
user32.dll    Windows 2000   SetWindowPos SetWindowTextW SetWindowsHookExW ShowWindow SystemParametersInfoW
user32.dll    Windows 2000   TrackPopupMenu TranslateMessage UnhookWindowsHookEx wsprintfA wsprintfW
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
