#include "about/sysinfo_registry.h"

#include <QStandardPaths>

runtime::MemoryRegistry sysInfoRegistry()
{
    // Nearest to the Windows tool first: HardInfo (and its successor) sums up
    // the hardware, the system and its drivers on any desktop; KDE's info
    // centre does much the same but belongs to Plasma; lshw-gtk shows the
    // hardware only.
    static const char *const kPrograms[] = {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"};

    runtime::MemoryRegistry registry;
    for (const char *program : kPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty()) {
            registry.setString(runtime::kHKeyLocalMachine, kSysInfoKey, kSysInfoValue, path.toLocal8Bit().toStdString());
            break;
        }
    }
    return registry;
}
