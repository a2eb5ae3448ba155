#include "ui/system/Platform.h"

#include <QCoreApplication>

void DoEvents()
{
    QCoreApplication::processEvents();
}
