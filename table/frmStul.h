// The table: the life of one game from the deal to the settling, the money, and the layout.
#pragma once

#include "engine/clsHra21.h"
#include "table/Vyhodnoceni.h"
#include "ui/designs/frmStulDesign.h"

#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

class frmStul : public frmStulDesign {
    Q_OBJECT
public:
    explicit frmStul(Platform& platform);
    ~frmStul() override;

    // The stake on the table: the player's notes and the computer's matching share together.
    std::int32_t Stake() const { return Sazka; }
    bool PlayersTurn() const { return HracNaTahu; }
    clsHra21& Hra();

protected:
    void Form_Load() override;
    void Form_Resize() override;
    void Form_KeyDown(std::int16_t KeyCode, std::int16_t Shift) override;
    void Form_Unload(bool& Cancel) override;

private:
    // Game flow
    void cmdRozdej_Click();
    void cmdRub_Click();
    void picKarta_Click(std::int16_t Index);
    void cmdDost_Click();
    void tmrTah_Timer();
    void tmrZmiz_Timer();
    void StiskPodOknem();

    // Betting, banknotes and purse
    void cmdBankovka_MouseDown(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X, float Y);
    void ZviditelniBankovky();
    bool PenezenkaPokryje(std::int16_t Index) const;
    void ZobrazDispleje();
    void Vyhra_JA();
    void Vyhra_PC();

    void VyhodnotVyhru();
    void PripravDalsi();

    // Closing
    void cmdKonec_Click();

    // What a player who does not see the table hears
    void OhlasZacatek();
    void OhlasKartu_JA();
    void OhlasVracenouSedmu_JA();
    void OhlasSazku();
    void OhlasKartu_PC();
    void OhlasVracenouSedmu_PC();
    void OhlasVysledek(Vitez vitez);
    // Where the game stands, for the screen reader's command that reads the status bar: set anew
    // whenever a handler has changed the points, the stake, the purse or whose move it is.
    void ObnovStav();
    // Why a game's key or click does nothing outside the player's turn: before a deal, in the
    // computer's turn, after the last crown. In the player's turn each action tells its own.
    QString MimoTah() const;

    // Opens a modal window with the computer's turn paused; the turn goes on where it stood
    // once the window is gone.
    void PozastavTahBehem(const std::function<void()>& modalniOkno);

    std::unique_ptr<clsHra21> Hra_;
    bool HracNaTahu = false;
    std::int32_t Sazka = 0;

    // The computer's cards not yet read out, whether its last message was said at the last tick,
    // whether any of its cards was read out in this turn, and whether it gave a seven back: read out
    // after the outcome.
    QStringList KartyKOhlaseni_PC;
    bool MluvilMinule_PC = false;
    bool MluvilVTahu_PC = false;
    bool VratilSedmu_PC = false;
    // Who won the last game and with what, told again between games.
    QString PosledniVysledek;
};
