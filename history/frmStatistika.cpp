#include "history/frmStatistika.h"

#include "history/History.h"
#include "history/Penezenka.h"
#include "ui/access/Hlaseni.h"
#include "ui/controls/KeyCode.h"
#include "ui/pictures/Drawing.h"

#include <cstdint>

frmStatistika::frmStatistika(Platform& platform_)
    : frmStatistikaDesign(platform_)
{
}

QString frmStatistika::Souhrn()
{
    const History& historie = TheHistory();
    return Hlaseni::Souhrn(historie.Hry(), historie.Vyhry(), historie.Prohry(), PocatecniPenezenka, historie.Nejvyssi(),
        historie.Nejnizsi(), historie.Ukaz(1));
}

void frmStatistika::Form_Load()
{
    // The chart is a picture: a screen reader reads its summary instead as the window opens.
    SetAccessibleDescription(Souhrn());
    MoveTwips(
        CentredTwips(platform.screen.Width(), WidthTwips()), CentredTwips(platform.screen.Height(), HeightTwips()));
}

// The purse after every game, oldest on the left edge and newest on the right, scaled so that the
// largest amount touches the top and 0 Kč lies on the bottom; the red line is the starting amount.
void frmStatistika::Form_Resize()
{
    const History& historie = TheHistory();
    const std::int16_t n = historie.celkem();
    std::int32_t M = 0;
    for (std::int16_t i = 1; i <= n; ++i)
        if (historie.Ukaz(i) > M)
            M = historie.Ukaz(i);

    Drawing& graf = Surface();
    graf.Cls();
    if (n <= 1 || HeightTwips() < 600)
        return;

    graf.SetScaleWidth(n - 1);
    graf.SetScaleHeight(M);
    // Heights are worked out in doubles: a starting amount far below zero would overflow M - S.
    const auto vyska = [M](std::int32_t castka) { return double(M) - double(castka); };

    graf.DrawWidth = 1;
    graf.SetForeColor(RGB(255, 0, 0));
    graf.Line(0, vyska(PocatecniPenezenka), graf.ScaleWidth(), vyska(PocatecniPenezenka));

    graf.DrawWidth = 2;
    graf.SetForeColor(RGB(0, 255, 0));
    graf.PSet(graf.ScaleWidth(), vyska(historie.Ukaz(1)));
    for (std::int16_t i = 2; i <= n; ++i)
        graf.LineTo(graf.ScaleWidth() + 1 - i, vyska(historie.Ukaz(i)));
}

// The window has no button: Escape closes it, as the desktop's windows without one do.
void frmStatistika::Form_KeyDown(std::int16_t KeyCode, std::int16_t)
{
    if (KeyCode == KeyCodes::Escape)
        Unload();
}
