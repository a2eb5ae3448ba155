// Every sentence a screen reader is given to say, and the amounts in the names it reads, in Czech
// as a player hears them; the screen keeps its own texts. Short, for the ear: no colon or dash,
// which a voice reads out as a word; amounts as plain digits, which it reads as one number (grouped
// ones it misreads); crowns as a word, since a voice spells "Kč" out letter by letter.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace Hlaseni {

// With the noun agreeing: "1 koruna", "3 koruny", "5 korun", "minus 500 korun".
QString Korun(std::int64_t castka);
// "1 bod", "3 body", "21 bodů".
QString Bodu(std::int64_t body);

// The hands that beat any points, which are said by their names.
enum class Figura { Zadna, TriSedmy, DveEsa };
struct Ruka {
    Figura figura;
    std::int16_t body;
};

// The table, as the game goes.
QString Zacatek(std::int32_t penezenka, const QString& napoveda);
// The player's card; the first of a game asks for the stake, unless one stands already.
QString KartaHrace(const QString& karta, const Ruka& ruka, bool pres, bool sazejte);
QString VracenaSedma(std::int16_t body);
QString Sazka(std::int32_t sazka);
// The computer's cards by rank, the first of its turn with its name.
QString KartyPocitace(const QStringList& hodnosti, bool prvni);
// Who won, with both hands, the player's first: "Výhra 21 proti 16"; a tie by the one hand.
QString Vysledek(bool vyhral, const Ruka& hrac, const Ruka& pocitac);
// The end of a game: who won first, then the computer's cards not yet said, then the purse.
QString KonecHry(
    const QString& vysledek, QStringList hodnosti, bool vratilSedmu, bool prvniKarty, std::int32_t penezenka);

// Where the game stands, for the screen reader's command that reads the status bar: whose move,
// the points, the stake and the purse; between games the last outcome.
enum class Faze { Rozdavani, Sazeni, Hrac, Pocitac, BezPenez };
QString Stav(Faze faze, const Ruka& hrac, std::int16_t bodyPocitace, std::int32_t sazka, std::int32_t penezenka,
    const QString& posledniVysledek);

// Why a key or a click did nothing.
inline const QString NejprveRozdejte = QStringLiteral("Nejprve rozdejte karty.");
inline const QString HrajePocitac = QStringLiteral("Počkejte, hraje počítač.");
inline const QString NematePenize = QStringLiteral("Nemáte peníze.");
inline const QString HraBezi = QStringLiteral("Hra ještě běží.");
inline const QString StatAzSeDvema = QStringLiteral("Stát lze až se dvěma kartami.");
inline const QString NejprveSazejte = QStringLiteral("Nejprve sázejte !");
QString UzNelze(std::int16_t body);
inline const QString NeniSedma = QStringLiteral("Poslední karta není sedma.");
inline const QString SazetJenSJednou = QStringLiteral("Sázet lze jen s jednou kartou.");
QString NaToNemate(std::int32_t bankovka, std::int32_t penezenka);
QString NesloByVyplatit(std::int32_t bankovka);
QString NemateVsazeno(std::int32_t bankovka);
// A press kept from acting by a window opened over the table: one who sees the window knows why.
inline const QString PodOknem = QStringLiteral("Nic se nestalo, je otevřené jiné okno.");

// The chart, which a screen reader cannot see.
QString Souhrn(std::int32_t hry, std::int32_t vyhry, std::int32_t prohry, std::int32_t zacatek, std::int32_t nejvice,
    std::int32_t nejmene, std::int32_t naposledy);

// The last screen.
QString Vyplaceno(std::int64_t castka);
QString VseProhrano();

} // namespace Hlaseni
