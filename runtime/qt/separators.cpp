#include "runtime/program.h"

#include <QLocale>

namespace runtime {

Separators userSeparators()
{
    const QLocale user = QLocale::system();
    return {user.groupSeparator().toStdString(), user.decimalPoint().toStdString()};
}

} // namespace runtime
