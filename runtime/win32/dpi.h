#pragma once

#include <windows.h>

#include <shellscalingapi.h>

namespace runtime::win32 {

// The per-monitor DPI functions of Windows 10 version 1607 and later, and
// Windows 8.1's GetDpiForMonitor, looked up at run time: imported, they would
// keep the program from starting on the systems before, where each is nullptr.
struct DpiFunctions {
    UINT(WINAPI *getDpiForWindow)(HWND);
    BOOL(WINAPI *adjustWindowRectExForDpi)(RECT *, DWORD, BOOL, DWORD, UINT);
    int(WINAPI *getSystemMetricsForDpi)(int, UINT);
    HRESULT(WINAPI *getDpiForMonitor)(HMONITOR, MONITOR_DPI_TYPE, UINT *, UINT *);
};

// The table the windows use, looked up when first needed. The tests empty it
// before any window loads, to see the windows as Windows 7 shows them.
DpiFunctions &dpiFunctions();

// The window's DPI, and a monitor's; a client area grown by its frame, and a
// system metric, at dpi. Windows 8.1 has the monitor's DPI but frames and
// metrics at the system's DPI only. Without the functions, what Windows 7
// gives: the system's DPI, which it uses on every screen.
UINT windowDpi(HWND window);
UINT monitorDpi(HMONITOR monitor);
void adjustWindowRect(RECT &rect, DWORD style, bool menu, DWORD exStyle, UINT dpi);
int systemMetric(int index, UINT dpi);

} // namespace runtime::win32
