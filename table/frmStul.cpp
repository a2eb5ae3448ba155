// The table's game flow: start-up, deal, the player's draws and seven returns, the stand, the
// computer's timed turn, the decision and the settling.
#include "table/frmStul.h"

#include "history/Banknotes.h"
#include "history/History.h"
#include "history/Penezenka.h"
#include "ui/access/Hlaseni.h"

frmStul::frmStul(Platform& platform_)
    : frmStulDesign(platform_, HodnotaBankovky)
{
    connect(cmdRozdej, &CommandButton::Click, this, &frmStul::cmdRozdej_Click);
    connect(cmdRub, &GraphicalButton::Click, this, &frmStul::cmdRub_Click);
    picKarta.OnClick([this](std::int16_t Index) { picKarta_Click(Index); });
    connect(cmdDost, &CommandButton::Click, this, &frmStul::cmdDost_Click);
    connect(tmrTah, &Timer::Fired, this, &frmStul::tmrTah_Timer);
    connect(tmrZmiz, &Timer::Fired, this, &frmStul::tmrZmiz_Timer);
    cmdBankovka.OnMouseDown([this](std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X, float Y) {
        cmdBankovka_MouseDown(Index, Button, Shift, X, Y);
    });
    connect(cmdKonec, &CommandButton::Click, this, &frmStul::cmdKonec_Click);
    connect(this, &Form::PressRefused, this, &frmStul::StiskPodOknem);
}

frmStul::~frmStul() = default;

clsHra21& frmStul::Hra()
{
    if (!Hra_)
        Hra_ = std::make_unique<clsHra21>(
            StulProHru { picKarta, *lblBody_JA, *lblBody_PC, *cmdRub, pclKarty }, platform.rnd);
    return *Hra_;
}

void frmStul::Form_Load()
{
    Penezenka = PocatecniCastka(platform.CommandLine);
    PocatecniPenezenka = Penezenka;
    TheHistory().Zaloz(Penezenka);
    platform.rnd.Randomize();
    pclKarty.ClipWidth = static_cast<std::int16_t>(cmdRub->Width());
    pclKarty.ClipHeight = static_cast<std::int16_t>(cmdRub->Height());
    cmdDost->SetEnabled(false);
    ZobrazDispleje();
    lblNapoveda->SetVisible(true);
    // The notes the purse covers are in the first frame: their pictures are decoded before the
    // window shows, the rest of the table's pictures only when they are first drawn.
    for (std::int16_t i = 0; i < cmdBankovka.Count(); ++i)
        if (PenezenkaPokryje(i))
            cmdBankovka(i).Picture();
    Show();
    tmrZmiz->SetEnabled(true);
    cmdRozdej->SetFocus();
    ZviditelniBankovky();
    OhlasZacatek();
    ObnovStav();
}

void frmStul::cmdRozdej_Click()
{
    cmdRub->SetVisible(true);
    Hra().Zamichej();
    Hra().Snimam_JA();
    lblSazka->SetCaption(QStringLiteral("Sázejte !"));
    // Said before the focus leaves the disabled button, so that the card comes ahead of the note
    // the focus lands on.
    OhlasKartu_JA();
    cmdRozdej->SetEnabled(false);
    HracNaTahu = true;
    ObnovStav();
}

void frmStul::cmdRub_Click()
{
    if (!HracNaTahu) {
        platform.announcer.Say(MimoTah());
        return;
    }
    if (Hra().UkazBody_JA() >= 21) {
        platform.announcer.Say(Hlaseni::UzNelze(Hra().UkazBody_JA()));
        return;
    }
    // The second card needs a stake; a player left without a card (a first seven given back)
    // draws a new first card without one.
    if (Hra().PocetMychKaret() == 0 || Sazka > 0) {
        Hra().Snimam_JA();
        OhlasKartu_JA();
    } else {
        platform.announcer.Say(Hlaseni::NejprveSazejte);
    }
    if (Hra().PocetMychKaret() == 2) {
        cmdDost->SetEnabled(true);
        cmdDost->SetFocus();
    }
    ObnovStav();
}

void frmStul::picKarta_Click(std::int16_t)
{
    if (!HracNaTahu) {
        platform.announcer.Say(MimoTah());
        return;
    }
    const std::int16_t drzel = Hra().PocetMychKaret();
    Hra().ChciVratitSedmu();
    if (Hra().PocetMychKaret() < drzel)
        OhlasVracenouSedmu_JA();
    else
        platform.announcer.Say(Hlaseni::NeniSedma);
    ObnovStav();
}

void frmStul::cmdDost_Click()
{
    HracNaTahu = false;
    MluvilMinule_PC = false;
    MluvilVTahu_PC = false;
    tmrTah->SetEnabled(true);
    // The focus passes to a banknote, which does nothing in the computer's turn: a screen reader
    // is not told, and reads the computer's cards without it. It then still takes the focus to be
    // on "Dost", and asked where it is, it names the button and reads its description, but not
    // that it is disabled: the description says why.
    cmdDost->SetAccessibleDescription(MimoTah());
    platform.announcer.WithoutFocusNews([this] { cmdDost->SetEnabled(false); });
    ObnovStav();
}

// A press that a window opened over the table kept from acting: a player who sees the window knows
// why, one who hears the table is told.
void frmStul::StiskPodOknem()
{
    platform.announcer.Say(Hlaseni::PodOknem);
}

void frmStul::tmrTah_Timer()
{
    switch (Hra().TahPocitace()) {
    case clsHra21::TahPC::Snima: OhlasKartu_PC(); break;
    case clsHra21::TahPC::Stoji: VyhodnotVyhru(); break;
    case clsHra21::TahPC::VratilSedmu:
        OhlasVracenouSedmu_PC();
        VyhodnotVyhru();
        break;
    }
    ObnovStav();
}

void frmStul::VyhodnotVyhru()
{
    const Vitez vitez = KdoVyhral(Hra().UkazStav_JA(), Hra().UkazStav_PC(), Hra().UkazBody_JA(), Hra().UkazBody_PC());
    if (vitez == Vitez::Hrac)
        Vyhra_JA();
    else
        Vyhra_PC();
}

void frmStul::PripravDalsi()
{
    tmrTah->SetEnabled(false);
    cmdDost->SetAccessibleDescription(QString());
    Sazka = 0;
    TheHistory().Zaloz(Penezenka);
    ZobrazDispleje();
    cmdRozdej->SetEnabled(true);
    cmdRozdej->SetFocus();
    ZviditelniBankovky();
}

void frmStul::tmrZmiz_Timer()
{
    lblNapoveda->SetVisible(false);
    tmrZmiz->SetEnabled(false);
}

void frmStul::PozastavTahBehem(const std::function<void()>& modalniOkno)
{
    const bool tahBezel = tmrTah->Enabled();
    tmrTah->SetEnabled(false);
    modalniOkno();
    // Another program may have destroyed the table meanwhile: its turn ends with it.
    if (!IsLoaded())
        return;
    tmrTah->SetEnabled(tahBezel);
}
