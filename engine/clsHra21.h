// The game engine: the deck of one game of twenty-one, the cards of both sides with their points
// and hand states, and the computer's play. It lays the cards straight onto the table window.
#pragma once

#include "engine/Karta.h"
#include "ui/controls/ControlArray.h"
#include "ui/controls/GraphicalButton.h"
#include "ui/controls/Label.h"
#include "ui/controls/PictureBox.h"
#include "ui/controls/PictureClip.h"
#include "ui/runtime/Random.h"

#include <array>
#include <cstdint>

// The controls of the table window that the engine lays cards on and writes points into.
struct StulProHru {
    ControlArray<PictureBox>& picKarta;
    Label& lblBody_JA;
    Label& lblBody_PC;
    GraphicalButton& cmdRub;
    PictureClip& pclKarty;
};

class clsHra21 {
public:
    clsHra21(StulProHru stul, Random& rnd);

    void Zamichej();
    void Snimam_JA();
    void Snima_PC();
    std::int16_t PocetMychKaret() const { return Pocet_JA; }
    std::int16_t PocetPCKaret() const { return Pocet_PC; }
    void ChciVratitSedmu();
    void PCVraciSedmu();
    std::int16_t UkazStav_JA() const { return Stav_JA; }
    std::int16_t UkazStav_PC() const { return Stav_PC; }
    std::int16_t UkazBody_JA() const { return Body_JA; }
    std::int16_t UkazBody_PC() const { return Body_PC; }
    std::int16_t PosledniHodnota_PC() const { return Posledni; }
    // The number of the card taken off the deck last, -1 before the first draw of a game.
    std::int16_t PosledniKarta() const
    {
        return Vrchni + 1 < PocetKaret ? Balicek[static_cast<std::size_t>(Vrchni + 1)].Cislo : -1;
    }

    // What one tick of the computer's turn did.
    enum class TahPC { Snima, Stoji, VratilSedmu };
    // One tick of the computer's turn: draws a fresh threshold (PrahPC), reads the engine, and
    // carries out the engine side (Snima_PC, or PCVraciSedmu). Stoji and VratilSedmu end the turn.
    TahPC TahPocitace();

    // The threshold a tick draws: one of PocetPrahuPC values from NizsiPrahPC up, equally often,
    // picked by a random number r in [0, 1). PrahyPC lists them, for whoever needs to know what
    // the computer may do at its next tick: it plays, and is heard to play, by this one rule.
    static constexpr std::int16_t NizsiPrahPC = 17;
    static constexpr std::int16_t PocetPrahuPC = 2;
    static constexpr std::int16_t PrahPC(float r)
    {
        return static_cast<std::int16_t>(NizsiPrahPC + static_cast<std::int16_t>(PocetPrahuPC * r));
    }
    static constexpr std::array<std::int16_t, PocetPrahuPC> PrahyPC = [] {
        std::array<std::int16_t, PocetPrahuPC> prahy {};
        for (std::int16_t i = 0; i < PocetPrahuPC; ++i)
            prahy[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(NizsiPrahPC + i);
        return prahy;
    }();
    // The computer's rule for one tick: its points P, its number of cards N, the value L of the
    // last card drawn and the threshold T. It never looks at the player's hand.
    static constexpr TahPC RozhodniTahPC(std::int16_t P, std::int16_t N, std::int16_t L, std::int16_t T)
    {
        if (P > Jednadvacet && L == HodnotaSedmy)
            return TahPC::VratilSedmu;
        if (P >= 15 && P < T && N >= 6)
            return TahPC::Stoji;
        if (P >= T && P <= Jednadvacet)
            return TahPC::Stoji;
        if (P > Jednadvacet)
            return TahPC::Stoji;
        return TahPC::Snima;
    }

    // Read-only views of the deck and the history, for checks from outside.
    struct Historie {
        std::int16_t Predpredposledni;
        std::int16_t Predposledni;
        std::int16_t Posledni;
    };
    const std::array<Karta, PocetKaret>& UkazBalicek() const { return Balicek; }
    std::int16_t UkazVrchni() const { return Vrchni; }
    std::int16_t UkazPocetObrazku() const { return PocetObrazku; }
    Historie UkazHistorii() const { return { Predpredposledni, Predposledni, Posledni }; }

private:
    // `cija` says whose the card is, as a screen reader reads it out.
    void UkazKartu(const QString& cija);

    std::int16_t RadaKaret(const Label& lblBody) const;
    void UmistiKartu(const Label& lblBody, std::int16_t k, std::int16_t& X, std::int16_t& Y) const;
    void Zapocitej(std::int16_t c, std::int16_t Pocet, std::int16_t& Body, std::int16_t& Stav) const;
    void PoSnimani(std::int16_t c, std::int16_t& Pocet);
    void VratSedmu(std::int16_t& Pocet, std::int16_t& Body, std::int16_t& Stav, Label& lblBody);
    std::int16_t HodnotaDrzeneKarty(std::int16_t odKonce) const;

    std::array<Karta, PocetKaret> Balicek {};
    std::int16_t Vrchni = 0;
    std::int16_t PocetObrazku = 0;
    std::int16_t Pocet_JA = 0;
    std::int16_t Pocet_PC = 0;
    std::int16_t X_JA = 0;
    std::int16_t Y_JA = 0;
    std::int16_t X_PC = 0;
    std::int16_t Y_PC = 0;
    std::int16_t Predpredposledni = 0;
    std::int16_t Predposledni = 0;
    std::int16_t Posledni = 0;
    std::int16_t Body_JA = 0;
    std::int16_t Body_PC = 0;
    std::int16_t Stav_JA = 0;
    std::int16_t Stav_PC = 0;

    StulProHru stul_;
    Random& rnd_;
};
