// The table's money: staking with banknotes, the offered notes, the displays and the payout.
#include "table/frmStul.h"

#include "history/Banknotes.h"
#include "history/Penezenka.h"
#include "ui/access/Hlaseni.h"
#include "ui/runtime/NumberText.h"

#include <cstdint>
#include <limits>

namespace {
constexpr std::int64_t NejvetsiCastka = std::numeric_limits<std::int32_t>::max();
} // namespace

void frmStul::cmdBankovka_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t, float, float)
{
    // The stake can change only while the player holds exactly one card, and only in the
    // player's own turn: once the bank's cards are showing, the outcome is no longer open.
    if (!HracNaTahu) {
        platform.announcer.Say(MimoTah());
        return;
    }
    if (Hra().PocetMychKaret() != 1) {
        platform.announcer.Say(Hlaseni::SazetJenSJednou);
        return;
    }
    const std::int32_t r = HodnotaBankovkyOf(Index);
    const std::int32_t predtim = Sazka;
    if (Button == MouseButton::Left) {
        // A note is refused when a won game could no longer pay it out: purse and stake
        // together must stay a 32-bit amount.
        const bool kryto = Penezenka > 0 && Penezenka >= r;
        const bool vyplatitelne
            = std::int64_t { Penezenka } - r + std::int64_t { Sazka } + 2 * std::int64_t { r } <= NejvetsiCastka;
        if (kryto && vyplatitelne) {
            Sazka += 2 * r;
            Penezenka -= r;
        } else if (!kryto) {
            platform.announcer.Say(Hlaseni::NaToNemate(r, Penezenka));
        } else {
            platform.announcer.Say(Hlaseni::NesloByVyplatit(r));
        }
    } else if (Sazka >= 2 * std::int64_t { r }) {
        Sazka -= 2 * r;
        Penezenka += r;
    } else {
        platform.announcer.Say(Hlaseni::NemateVsazeno(r));
    }
    ZobrazDispleje();
    if (Sazka != predtim)
        OhlasSazku();
    ObnovStav();
}

void frmStul::ZviditelniBankovky()
{
    for (std::int16_t i = 0; i < cmdBankovka.Count(); ++i)
        cmdBankovka(i).SetVisible(PenezenkaPokryje(i));
    if (Penezenka < 1) {
        picRevolver->SetVisible(true);
        cmdRozdej->SetEnabled(false);
        cmdRub->SetVisible(false);
        cmdKonec->SetFocus();
    }
}

// Whether the purse can pay banknote `Index`: only then is the note offered.
bool frmStul::PenezenkaPokryje(std::int16_t Index) const
{
    return Penezenka >= HodnotaBankovkyOf(Index);
}

void frmStul::ZobrazDispleje()
{
    lblPenezenka->SetCaption(CStr(Penezenka));
    lblSazka->SetCaption(CStr(Sazka));
}

void frmStul::Vyhra_JA()
{
    // A stake is only accepted when its payout fits, so this never stops at the limit in play.
    Penezenka = static_cast<std::int32_t>(std::min(std::int64_t { Penezenka } + Sazka, NejvetsiCastka));
    OhlasVysledek(Vitez::Hrac);
    PripravDalsi();
}

void frmStul::Vyhra_PC()
{
    OhlasVysledek(Vitez::Pocitac);
    PripravDalsi();
}
