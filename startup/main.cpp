#include "table/frmStul.h"
#include "ui/Application.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Platform platform;
    platform.CommandLine = Application::CommandText(argc, argv);
    auto* stul = new frmStul(platform);
    stul->Show();
    return app.exec();
}
