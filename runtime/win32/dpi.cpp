#include "runtime/win32/dpi.h"

#include "runtime/win32/load_function.h"

namespace runtime::win32 {
namespace {

// Fixed for the session: another scale takes effect at the next sign-in.
UINT systemDpi()
{
    static const UINT dpi = [] {
        HDC screen = GetDC(nullptr);
        const int logPixels = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return UINT(logPixels);
    }();
    return dpi;
}

} // namespace

DpiFunctions &dpiFunctions()
{
    static DpiFunctions functions{
        loadFunction<decltype(DpiFunctions::getDpiForWindow)>(L"user32.dll", "GetDpiForWindow"),
        loadFunction<decltype(DpiFunctions::adjustWindowRectExForDpi)>(L"user32.dll", "AdjustWindowRectExForDpi"),
        loadFunction<decltype(DpiFunctions::getSystemMetricsForDpi)>(L"user32.dll", "GetSystemMetricsForDpi"),
        loadFunction<decltype(DpiFunctions::getDpiForMonitor)>(L"shcore.dll", "GetDpiForMonitor"),
    };
    return functions;
}

UINT windowDpi(HWND window)
{
    const auto &newer = dpiFunctions();
    return newer.getDpiForWindow ? newer.getDpiForWindow(window)
                                 : monitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

UINT monitorDpi(HMONITOR monitor)
{
    UINT x = 0, y = 0;
    const auto &newer = dpiFunctions();
    if (newer.getDpiForMonitor && SUCCEEDED(newer.getDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &x, &y)))
        return x;
    return systemDpi();
}

void adjustWindowRect(RECT &rect, DWORD style, bool menu, DWORD exStyle, UINT dpi)
{
    const auto &newer = dpiFunctions();
    if (newer.adjustWindowRectExForDpi)
        newer.adjustWindowRectExForDpi(&rect, style, menu, exStyle, dpi);
    else
        AdjustWindowRectEx(&rect, style, menu, exStyle);
}

int systemMetric(int index, UINT dpi)
{
    const auto &newer = dpiFunctions();
    return newer.getSystemMetricsForDpi ? newer.getSystemMetricsForDpi(index, dpi) : GetSystemMetrics(index);
}

} // namespace runtime::win32
