#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "runtime/message_box.h"

// Answers every message box at once and remembers it, so that no test can
// hang on a modal box. Restores the previous handler when it goes.
class MessageBoxRecorder {
public:
    struct Message {
        QString prompt;
        runtime::MsgBoxIcon icon;
        QString title;
    };

    // onShow runs while the box would be up, to look at the windows behind it.
    explicit MessageBoxRecorder(std::function<void()> onShow = {})
        : previous_(runtime::setMsgBoxHandler([this, onShow](const QString &prompt, runtime::MsgBoxIcon icon,
                                                             const QString &title) {
              messages.append({prompt, icon, title});
              if (onShow)
                  onShow();
          }))
    {
    }
    ~MessageBoxRecorder() { runtime::setMsgBoxHandler(previous_); }
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;

    QList<Message> messages;

private:
    runtime::MsgBoxHandler previous_;
};
