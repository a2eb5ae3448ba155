// The table's layout: anchored to the corners and to the middle of the left edge, anew at every
// change of the window's size. Each step may read the places set by the steps before it.
#include "table/frmStul.h"

#include "ui/runtime/NumberText.h"

namespace {
constexpr int Okraj = 8; // to the window's edges and between the controls of a column
constexpr int MeziBankovkami = 2; // between two banknotes
constexpr int PravySloupec = 190; // the column of the purse, the banknotes and the revolver
} // namespace

void frmStul::Form_Resize()
{
    const int W = ScaleWidth();
    const int H = ScaleHeight();

    // Halves are worked out in floating point and go to the even pixel.
    lblNapoveda->Move(CLng((W - lblNapoveda->Width()) / 2.0), Okraj);
    lblBody_PC->Move(Okraj, Okraj);
    lblBody_PC->SetVisible(true);
    lblBody_JA->Move(Okraj, CLng(H / 2.0));
    lblBody_JA->SetVisible(true);
    lblPenezenka->Move(W - PravySloupec, H - lblPenezenka->Height() - Okraj);
    lblPenezenka->SetVisible(true);

    cmdBankovka(0).Move(W - PravySloupec, lblPenezenka->Top() - Okraj - cmdBankovka(0).Height());
    for (std::int16_t i = 1; i < cmdBankovka.Count(); ++i)
        cmdBankovka(i).Move(W - PravySloupec, cmdBankovka(i - 1).Top() - MeziBankovkami - cmdBankovka(i).Height());
    // The deck and the revolver keep their visibility: the game shows and hides them.
    picRevolver->Move(W - PravySloupec, lblPenezenka->Top() - Okraj - picRevolver->Height());

    lblSazka->Move(W - PravySloupec - Okraj - lblSazka->Width(), H - Okraj - lblSazka->Height());
    lblSazka->SetVisible(true);
    cmdDost->Move(lblSazka->Left(), lblSazka->Top() - Okraj - cmdDost->Height());
    cmdDost->SetVisible(true);
    cmdRozdej->Move(lblSazka->Left(), cmdDost->Top() - Okraj - cmdRozdej->Height());
    cmdRozdej->SetVisible(true);
    cmdRub->Move(lblSazka->Left(), cmdRozdej->Top() - Okraj - cmdRub->Height());
    cmdKonec->Move(W - cmdKonec->Width() - Okraj, Okraj);
    cmdKonec->SetVisible(true);
}
