#pragma once

#include <QObject>

class QWidget;

namespace runtime {

// A window object that outlives its window. Loading builds the window with
// its controls and runs Form_Load; unloading destroys the window but keeps the
// object, so that it can be loaded again.
class Form : public QObject {
public:
    ~Form() override;

    bool isLoaded() const { return window_ != nullptr; }
    QWidget *window() const { return window_; }

    void load();
    // Visible = True: loads the window if needed and shows it without blocking.
    void show();
    void unload();

protected:
    Form() = default;
    // The window and its controls as laid out, with their handlers connected.
    virtual QWidget *build() = 0;
    virtual void Form_Load() {}

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_ = nullptr;
};

} // namespace runtime
