#include "ui/designs/frmStatistikaDesign.h"

#include "ui/system/Screen.h"

frmStatistikaDesign::frmStatistikaDesign(Platform& platform_)
    : Form(platform_)
{
    SetCaption(QStringLiteral("Změny obsahu Vaší peněženky"));
    SetBackColor(QColor(0, 0, 0));
    // The colour of whatever is drawn without a colour of its own.
    SetForeColor(QColor(255, 255, 255));
    // Resizable by its frame, but neither minimised nor maximised.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    resize(Pixels(7290), Pixels(2460));
}
