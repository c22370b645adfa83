#pragma once

#include <QString>

#include <functional>

namespace runtime {

enum class MsgBoxIcon { None, Critical };

// A modal message box with one OK button; returns once the user dismisses it.
// Without a title the application's title is used.
void MsgBox(const QString &prompt, MsgBoxIcon icon, const QString &title = {});

// Replaces the modal box, so that tests can answer it without a display. The
// handler gets the title already resolved. Returns the one it replaces; an
// empty handler restores the real box.
using MsgBoxHandler = std::function<void(const QString &prompt, MsgBoxIcon icon, const QString &title)>;
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);

} // namespace runtime
