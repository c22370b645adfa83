#include "converter/decimal_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

bool DecimalKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || box->isReadOnly() || !(key->modifiers() & Qt::KeypadModifier)
        || (key->key() != Qt::Key_Comma && key->key() != Qt::Key_Period))
        return false;
    box->insert(QStringLiteral("."));
    return true;
}
