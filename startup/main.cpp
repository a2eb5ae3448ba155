#include "ui/Application.h"
#include "ui/frmStulDesign.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Platform platform;
    auto* table = new frmStulDesign(platform);
    table->Show();
    return app.exec();
}
