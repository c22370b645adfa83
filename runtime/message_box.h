#pragma once

#include <string_view>

namespace runtime {

enum class MsgBoxIcon { None, Critical };

// A modal message box with one OK button, owned by the active window of the
// program; returns once the user dismisses it. Without a title the
// program's title is used.
void MsgBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title = {});

} // namespace runtime
