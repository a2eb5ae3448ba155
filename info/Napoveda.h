// The two help texts of the information window: the rules of the game and the controls.
#pragma once

#include <QString>

QString TextPravidel();
QString TextOvladani();
