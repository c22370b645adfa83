#include "platform/desktop_platform.h"

#include <QFileInfo>
#include <QProcess>

#include "platform/linux/sysinfo_registry.h"

using namespace runtime;

Registry &DesktopPlatform::registry()
{
    if (!registry_)
        registry_ = std::make_unique<MemoryRegistry>(sysInfoRegistry());
    return *registry_;
}

bool DesktopPlatform::fileExists(const std::string &path)
{
    return QFileInfo(QString::fromLocal8Bit(path)).isFile();
}

bool DesktopPlatform::startProgram(const std::string &path)
{
    return QProcess::startDetached(QString::fromLocal8Bit(path), {});
}
