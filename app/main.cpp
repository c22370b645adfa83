#include "converter/Form1.h"
#include "runtime/desktop_platform.h"
#include "runtime/program.h"

int main(int argc, char *argv[])
{
    runtime::Application app(argc, argv);
    DesktopPlatform platform;
    Form1 form1(platform);
    form1.show();
    return app.run();
}
