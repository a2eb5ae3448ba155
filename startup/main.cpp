#include "startup/modIxa.h"
#include "ui/Application.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Platform platform;
    platform.CommandLine = Application::CommandText(argc, argv);
    modIxa::Main(platform);
    return app.exec();
}
