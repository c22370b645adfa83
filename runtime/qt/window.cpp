#include "runtime/window.h"

#include <QCloseEvent>
#include <QDialog>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

#include <utility>
#include <vector>

#include "runtime/form.h"
#include "runtime/qt/appearance.h"
#include "runtime/qt/picture.h"
#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

// Title bar with close and minimise, no maximise, no resizing.
constexpr Qt::WindowFlags kFixedSingle = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                         | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
// A close button only. No parent window, so that it outlives the others.
constexpr Qt::WindowFlags kFixedDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Esc in a dialog frame presses its cancel button, as Windows dialogs do,
// instead of hiding the window behind the program's back.
class DialogFrame : public QDialog {
public:
    QPointer<QAbstractButton> cancel;

protected:
    void reject() override
    {
        if (cancel)
            cancel->click();
    }
};

// The title bar's close button unloads the form, as the program would; it
// never merely hides the window.
class CloseUnloads : public QObject {
public:
    CloseUnloads(Form &form, QObject *parent) : QObject(parent), form_(form) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->accept();
        form_.unload();
        return true;
    }

private:
    Form &form_;
};

Made make(const ControlLayout &row, QWidget *client)
{
    switch (row.kind) {
    case Kind::Label:
        return makeLabel(row, client);
    case Kind::OptionButton:
        return makeOptionButton(row, client);
    case Kind::TextBox:
        return makeTextBox(row, client);
    case Kind::Picture:
    case Kind::StretchedPicture:
        return makePicture(row, client);
    case Kind::CommandButton:
        return makeCommandButton(row, client);
    case Kind::Line:
        return makeLine(row, client);
    }
    Q_UNREACHABLE();
}

class FormWindow final : public Window {
public:
    FormWindow(const WindowLayout &layout, Form &form);
    ~FormWindow() override;

    void setCaption(std::string_view caption) override
    {
        frame_->setWindowTitle(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    }
    void show() override
    {
        frame_->show();
        frame_->raise();
        frame_->activateWindow();
    }
    void hide() override { frame_->hide(); }

    void retire() override;

private:
    QWidget *frameFor(const WindowLayout &layout);
    void addControls(const WindowLayout &layout, QWidget *client);
    void addMenus(const WindowLayout &layout, QMenuBar *bar);
    QWidget *widget(const char *name) const;

    std::unique_ptr<QWidget> frame_;
    CloseUnloads *closeUnloads_;
    std::vector<std::unique_ptr<Control>> controls_;
    // Everything that signals a control's event.
    std::vector<QObject *> senders_;
    bool retired_ = false;
};

FormWindow::FormWindow(const WindowLayout &layout, Form &form)
{
    QWidget *client = frameFor(layout);
    frame_->setObjectName(QString::fromUtf8(layout.name));
    frame_->setWindowTitle(QString::fromUtf8(layout.caption));
    frame_->setWindowIcon(pictureIcon(layout.icon));
    closeUnloads_ = new CloseUnloads(form, frame_.get());
    frame_->installEventFilter(closeUnloads_);

    client->setFixedSize(pixels(layout.clientWidth), pixels(layout.clientHeight));
    setBackColour(client, layout.backColour);
    client->setFont(toQFont(kDefaultFont));
    addControls(layout, client);

    if (layout.defaultButton)
        qobject_cast<QPushButton *>(widget(layout.defaultButton))->setDefault(true);
    if (auto *dialog = dynamic_cast<DialogFrame *>(frame_.get()); dialog && layout.cancelButton)
        dialog->cancel = qobject_cast<QAbstractButton *>(widget(layout.cancelButton));
    // The client area's corner: the window's own frame lies outside its geometry.
    if (layout.placed)
        frame_->setGeometry(QRect(QPoint(pixels(layout.screenLeft), pixels(layout.screenTop)), frame_->size()));
}

QWidget *FormWindow::frameFor(const WindowLayout &layout)
{
    if (layout.border == Border::FixedDialog) {
        auto *dialog = new DialogFrame;
        dialog->setWindowFlags(kFixedDialog);
        frame_.reset(dialog);
        return dialog;
    }
    auto *main = new QMainWindow(nullptr, kFixedSingle);
    frame_.reset(main);
    auto *client = new QWidget;
    main->setCentralWidget(client);
    main->layout()->setSizeConstraint(QLayout::SetFixedSize);
    addMenus(layout, main->menuBar());
    return client;
}

void FormWindow::addControls(const WindowLayout &layout, QWidget *client)
{
    std::vector<QWidget *> widgets;
    for (const ControlLayout &row : layout.controls) {
        auto [widget, control] = make(row, client);
        widget->setObjectName(QString::fromUtf8(row.name));
        if (row.index != kNoIndex)
            widget->setProperty("Index", row.index);
        widget->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        if (row.font)
            widget->setFont(toQFont(*row.font));
        if (row.foreColour != kNoColour && row.kind != Kind::Line)
            setForeColour(widget, row.foreColour);
        if (row.backColour != kNoColour)
            setBackColour(widget, row.backColour);
        if (row.accessibleName)
            widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
        widgets.push_back(widget);
        if (control) {
            senders_.push_back(widget);
            named(row.name, row.index, *control);
            controls_.push_back(std::move(control));
        }
    }
    // Qt itself leaves out the option buttons of a group that are not selected.
    QWidget *previous = nullptr;
    for (const std::size_t i : tabOrder(layout)) {
        if (widgets[i]->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, widgets[i]);
        else
            widgets[i]->setFocus();
        previous = widgets[i];
    }
}

void FormWindow::addMenus(const WindowLayout &layout, QMenuBar *bar)
{
    for (const MenuLayout &menu : layout.menus) {
        QMenu *list = bar->addMenu(QString::fromUtf8(menu.caption));
        list->setObjectName(QString::fromUtf8(menu.name));
        for (const MenuItemLayout &item : menu.items) {
            QAction *action = list->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromUtf8(item.name));
            auto control = std::make_unique<MenuItem>();
            QObject::connect(action, &QAction::triggered, action, [raised = control.get()] { raised->Click.raise(); });
            senders_.push_back(action);
            named(item.name, kNoIndex, *control);
            controls_.push_back(std::move(control));
        }
    }
}

FormWindow::~FormWindow()
{
    retire();
    frame_.reset();
}

void FormWindow::retire()
{
    if (std::exchange(retired_, true))
        return;
    for (QObject *sender : senders_)
        sender->blockSignals(true);
    frame_->removeEventFilter(closeUnloads_);
    frame_->setObjectName(QString());
}

QWidget *FormWindow::widget(const char *name) const
{
    return frame_->findChild<QWidget *>(QString::fromUtf8(name));
}

} // namespace

std::unique_ptr<Window> makeWindow(const WindowLayout &layout, Form &form)
{
    return std::make_unique<FormWindow>(layout, form);
}

} // namespace runtime::qt
