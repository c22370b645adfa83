#include "runtime/message_box.h"

#include "runtime/program.h"

namespace runtime {

void MsgBox(std::string_view prompt, MsgBoxIcon icon, std::string_view title)
{
    toolkit().showMessageBox(prompt, icon, title.empty() ? toolkit().identity.title : title);
}

} // namespace runtime
