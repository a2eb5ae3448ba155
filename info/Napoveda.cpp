#include "info/Napoveda.h"

#include "history/Banknotes.h"

#include <algorithm>
#include <span>

namespace {
// One entry a line; the blanks at the ends of lines are part of the text.
const char16_t* const Pravidla[] = {
    u"Hrajete proti počítači, který drží bank.",
    u"Na začátku každé hry obdržíte jednu kartu a poté musíte vsadit ",
    u"určitou nenulovou sázku. Počítač sází stejný obnos. Po ",
    u"vsazení pokračujete ve hře odebíráním karet z balíčku až do ",
    u"té doby dokud nedosáhnete součtu 21 nebo alespoň ",
    u"podobného. Pokud obdržíte sedmu, můžete ji ihned vrátit, později už ne. ",
    u"Jakmile ukončíte odebírání karet tlačítkem Dost, začíná hrát ",
    u"počítač.",
    u"Nejvyšší figura jsou tři sedmy, potom dvě esa a pak 21.",
    u"Sázku vyhrává ten, kdo má nejvyšší figuru nebo se nejvíce ",
    u"přiblíží 21, přičemž se preferuje nepřesáhnutí součtu 21.",
    u" V případě nerozhodného výsledku bere vše bank.",
    u"",
    u"Hodnoty karet:",
    u"eso  - 11",
    u"král - 2",
    u"svršek,spodek - 1",
    u"desítka - 10",
    u"devítka - 9",
    u"osma - 8",
    u"sedma - 7",
    u"",
    u"Po ukončení celé hry je Vám vyplacena výhra na plochu ",
    u"Windows. (dále lze pokračovat stiskem jakékoliv klávesy či ",
    u"kliknutím myši)",
};

const char16_t* const Ovladani[] = {
    u"Pomocí myši:",
    u"Bankovky vybíráte kliknutím levého tlačítka na zvolenou hodnotu, odebíráte je kliknutím pravého.",
    u"Z balíčku karty snímáte také kliknutím levým tlačítkem.",
    u"Pokud chcete vrátit sedmu, opět stačí na ni kliknout levým tlačítkem.",
    u"",
    u"Pomocí klávesnice:",
};

const char16_t* const OvladaniPoBankovkach[] = {
    u"Pokud současně stisknete klávesu Shift, bankovku odebíráte.",
    u"",
    u"Z balíčku odebíráte kartu pomocí klávesy Delete.",
    u"",
    u"Sedmu vracíte pomocí klávesy 7.",
};

// Every line, the last one too, ends with CR LF.
QString radky(std::span<const char16_t* const> lines)
{
    QString text;
    for (const char16_t* line : lines)
        text += QString::fromUtf16(line) + QStringLiteral("\r\n");
    return text;
}

// The key of each banknote, 1 for the first, with its value. The values stand right-aligned as the
// window's font sets them, a digit as wide as two blanks: "2 -   200 Kč", "4 - 1000 Kč".
QString bankovky()
{
    QString text
        = QStringLiteral("Stiskem klávesy 1, přidáváte do sázky %1 Kč a následně:\r\n").arg(HodnotaBankovky[0]);
    for (std::size_t i = 1; i < HodnotaBankovky.size(); ++i) {
        const QString hodnota = QString::number(HodnotaBankovky[i]);
        const QString mezery(1 + 2 * std::max<qsizetype>(0, 4 - hodnota.size()), u' ');
        text += QStringLiteral("%1 -%2%3 Kč\r\n").arg(i + 1).arg(mezery, hodnota);
    }
    return text;
}
} // namespace

QString TextPravidel()
{
    return radky(Pravidla);
}

QString TextOvladani()
{
    return radky(Ovladani) + bankovky() + radky(OvladaniPoBankovkach);
}
