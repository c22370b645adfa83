#include "runtime/message_box.h"

#include <windows.h>

#include "runtime/win32/text.h"

namespace runtime {

void showMessageBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title)
{
    using win32::widen;
    const UINT iconStyle = icon == MsgBoxIcon::Critical ? MB_ICONERROR : 0;
    MessageBoxW(GetActiveWindow(), widen(prompt).c_str(), widen(title).c_str(), MB_OK | iconStyle);
}

} // namespace runtime
