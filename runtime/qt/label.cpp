#include <QLabel>

#include "runtime/qt/appearance.h"
#include "runtime/qt/widgets.h"

namespace runtime::qt {
namespace {

class QtLabel final : public Label {
public:
    explicit QtLabel(QLabel *label) : label_(label) {}

    void setCaption(std::string_view caption) override
    {
        label_->setText(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    }
    void setForeColor(Colour colour) override { setForeColour(label_, colour); }

private:
    QLabel *label_;
};

} // namespace

Made makeLabel(const ControlLayout &row, QWidget *client)
{
    auto *label = new QLabel(QString::fromUtf8(row.caption), client);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment((row.alignment == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    // Without wrapping a QLabel draws one line, clipped at its box.
    label->setWordWrap(row.wrap);
    return {label, std::make_unique<QtLabel>(label)};
}

} // namespace runtime::qt
