#include "runtime/message_box.h"

#include "runtime/program.h"

namespace runtime {

void MsgBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title)
{
    showMessageBox(prompt, icon, title.empty() ? kAppTitle : title);
}

} // namespace runtime
