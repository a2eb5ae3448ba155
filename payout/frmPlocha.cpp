#include "payout/frmPlocha.h"

#include "history/Banknotes.h"
#include "history/Penezenka.h"
#include "payout/Vyplata.h"
#include "ui/access/Hlaseni.h"
#include "ui/pictures/Drawing.h"

#include <QPixmap>

frmPlocha::frmPlocha(Platform& platform_, const ControlArray<GraphicalButton>& cmdBankovka, Form& frmStul)
    : frmPlochaDesign(platform_)
    , frmStul_(&frmStul)
{
    for (std::int16_t i = 0; i < cmdBankovka.Count(); ++i)
        bankovky_.push_back(cmdBankovka(i).Picture());
    lblProhra.OnClick([this](std::int16_t Index) { lblProhra_Click(Index); });
}

void frmPlocha::Form_Load()
{
    // The table was hidden just now: it must be gone from the screen before the screen is copied.
    DoEvents();
    // Positions on this screen are pixels, the only unit its surface has.
    MoveTwips(platform.screen.Left(), platform.screen.Top(), platform.screen.Width() + 1, platform.screen.Height() + 1);
    // Until the desktop hands its picture over nothing of the game is on the screen, which the
    // picture must not show.
    platform.desktop.Capture(platform.screen.Shown(), *this, [this](const QPixmap& plocha) { UkazNaPlose(plocha); });
}

void frmPlocha::UkazNaPlose(const QPixmap& plocha)
{
    // Where the platform keeps its screen to itself, the money lies on a plain dark cloth; so does
    // whatever part of the screen a smaller picture leaves.
    SetBackColor(RGB(0, 48, 0));
    Surface().Cls();
    Desktop::CopyTo(plocha, Surface(), ScaleWidth(), ScaleHeight());
    Show();
    Surface().SetAutoRedraw(false);
    if (Penezenka <= 0)
        UkazProhru();
    else
        Vyplat();
}

void frmPlocha::UkazProhru()
{
    const std::int32_t W = platform.screen.Width();
    const std::int32_t H = platform.screen.Height();
    Label& zluty = lblProhra(0);
    zluty.SetLeft(0);
    zluty.SetWidth(W / 15);
    zluty.SetTop((H / 15 - zluty.Height()) / 2);
    zluty.SetVisible(true);

    lblProhra.Load(1);
    Label& cerny = lblProhra(1);
    cerny.SetLeft(5);
    cerny.SetWidth(W / 15);
    cerny.SetTop((H / 15 - cerny.Height()) / 2 + 5);
    cerny.SetForeColor(RGB(0, 0, 0));
    cerny.SetVisible(true);
    // The black copy is the yellow caption's shadow: it lies behind it.
    zluty.ZOrder();
    // Said for any player: the caption speaks to a man.
    platform.announcer.Say(Hlaseni::VseProhrano());
}

void frmPlocha::Vyplat()
{
    const std::vector<Bankovka> plan
        = PlanVyplaty(Penezenka, platform.screen.Width(), platform.screen.Height(), platform.rnd);
    // Below the smallest banknote nothing more can be paid out; the purse is empty all the same.
    Penezenka = 0;
    std::int64_t vyplaceno = 0;
    for (const Bankovka& bankovka : plan)
        vyplaceno += HodnotaBankovkyOf(bankovka.Index);
    platform.announcer.Say(Hlaseni::Vyplaceno(vyplaceno));

    const qreal pomer = Surface().Ratio();
    std::vector<Obrys> obrysy;
    for (const QPixmap& bankovka : bankovky_)
        obrysy.push_back(ObrysObrazku(Drawing::AsLaid(bankovka, pomer)));
    // Only the banknotes that can still be seen are painted: the picture is the same, and a purse
    // of millions of notes is ready as soon as a small one.
    const std::vector<bool> videt = Viditelne(plan, obrysy, size() * pomer, pomer);
    for (std::size_t n = 0; n < plan.size(); ++n)
        if (videt[n])
            Surface().PaintPicture(bankovky_.at(static_cast<std::size_t>(plan[n].Index)), plan[n].X, plan[n].Y);
}

void frmPlocha::Form_Click()
{
    Unload();
}

void frmPlocha::Form_KeyPress(std::int16_t)
{
    Unload();
}

void frmPlocha::lblProhra_Click(std::int16_t)
{
    Unload();
}

void frmPlocha::Form_Unload(bool&)
{
    if (frmStul_)
        frmStul_->Unload();
}
