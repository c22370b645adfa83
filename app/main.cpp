#include "app/identity.h"
#include "converter/Form1.h"
#include "platform/desktop_platform.h"
#include "runtime/program.h"

int main(int argc, char *argv[])
{
    runtime::Application app(runtime::makeToolkit(argc, argv, kValutrino));
    DesktopPlatform platform;
    Form1 form1(platform);
    form1.show();
    return app.run();
}
