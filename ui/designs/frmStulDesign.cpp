#include "ui/designs/frmStulDesign.h"

#include "ui/access/Hlaseni.h"
#include "ui/controls/DesignFont.h"
#include "ui/pictures/Pictures.h"

namespace {
const QColor TableGreen(0, 128, 0);
const QColor DisplayGreen(0, 255, 0);
const QColor Yellow(255, 255, 0);
const QColor Black(0, 0, 0);

QFont arialBold(double points)
{
    return DesignFont(QStringLiteral("Arial"), points, true);
}

// The black displays: points, purse and stake.
Label* display(QWidget* parent, QRect geometry, const QFont& font, QColor fore, Qt::Alignment align, const QString& tip,
    Label::Spoken spoken = nullptr)
{
    auto* label = new Label(parent);
    label->setGeometry(geometry);
    label->SetCaption(QStringLiteral("0"));
    label->setFont(font);
    label->SetForeColor(fore);
    label->SetBackColor(Black);
    label->SetBorderSingle(true);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setIndent(3);
    label->SetToolTipText(tip);
    label->SetValueDisplay(tip, spoken);
    label->SetShrinkToFit(true);
    label->SetVisible(false);
    return label;
}

CommandButton* button(QWidget* parent, QRect geometry, const QString& caption)
{
    auto* cmd = new CommandButton(parent, geometry, caption);
    cmd->SetVisible(false);
    return cmd;
}

PictureBox* cardPicture(QWidget* parent)
{
    auto* pic = new PictureBox(parent);
    pic->setGeometry(8, 88, 121, 201);
    pic->SetAutoSize(true);
    pic->SetVisible(false);
    return pic;
}

GraphicalButton* banknote(QWidget* parent, std::int16_t i, std::int32_t valueKc)
{
    auto* cmd = new GraphicalButton(parent);
    cmd->setGeometry(280, 128 - 16 * i, 160 + 5 * i, 80);
    cmd->SetPicture(Pictures::Banknote(valueKc));
    cmd->SetAccessibleName(Hlaseni::Korun(valueKc));
    cmd->SetSecondAction(QStringLiteral("Odebrat"));
    cmd->SetVisible(false);
    return cmd;
}
} // namespace

frmStulDesign::frmStulDesign(Platform& platform_, std::span<const std::int32_t> banknotes)
    : Form(platform_)
    , lblBody_PC(display(
          this, { 8, 8, 41, 25 }, arialBold(15.75), DisplayGreen, Qt::AlignHCenter, QStringLiteral("Body pro počítač")))
    , lblBody_JA(display(
          this, { 8, 48, 41, 25 }, arialBold(15.75), DisplayGreen, Qt::AlignHCenter, QStringLiteral("Body pro Vás")))
    , lblPenezenka(display(this, { 280, 224, 153, 33 }, arialBold(20.25), DisplayGreen, Qt::AlignRight,
          QStringLiteral("Obsah Vaší peněženky"), Hlaseni::Korun))
    , picRevolver(new PictureBox(this))
    , lblSazka(display(this, { 280, 264, 120, 33 }, arialBold(20.25), Yellow, Qt::AlignRight, QStringLiteral("Sázka"),
          Hlaseni::Korun))
    , picKarta(this, cardPicture)
    , cmdKonec(button(this, { 96, 48, 41, 25 }, QStringLiteral("&Konec")))
    , cmdRozdej(button(this, { 152, 256, 121, 33 }, QStringLiteral("&Rozdej karty")))
    , cmdDost(button(this, { 152, 296, 121, 33 }, QStringLiteral("&Dost")))
    , cmdBankovka(this, [first = banknotes[0]](QWidget* parent) { return banknote(parent, 0, first); })
    , cmdRub(new GraphicalButton(this))
    , lblNapoveda(new Label(this))
    , tmrTah(new Timer(this, TahIntervalMs, false))
    , tmrZmiz(new Timer(this, ZmizIntervalMs, false, Timer::Counting::FromFirstFrame))
{
    SetCaption(QStringLiteral("Ixa"));
    SetBackColor(TableGreen);
    // Minimise is off; the window can still be restored and maximised again.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
        | Qt::WindowCloseButtonHint);
    // The main window, where a screen reader looks for the status bar.
    SetAccessibleRole(QAccessible::Window);
    SetStartState(StartState::Maximized);
    SetKeyPreview(true);
    resize(582, 355);

    picRevolver->setGeometry(304, 312, 160, 300);
    picRevolver->SetAutoSize(true);
    picRevolver->SetPicture(Pictures::Revolver());
    picRevolver->SetToolTipText(QStringLiteral("Doufám, že Víte, jak ji použít !"));
    picRevolver->SetAccessibleName(QStringLiteral("Revolver"));
    picRevolver->SetVisible(false);

    cmdKonec->SetToolTipText(QStringLiteral("Vyplatí výhru a ukončí hru"));

    for (std::int16_t i = 1; i < static_cast<std::int16_t>(banknotes.size()); ++i)
        cmdBankovka.AddFromDesign(i, banknote(this, i, banknotes[static_cast<std::size_t>(i)]));

    cmdRub->setGeometry(152, 48, 120, 200);
    cmdRub->SetPicture(Pictures::CardBack());
    cmdRub->SetAccessibleName(QStringLiteral("Balíček"));
    cmdRub->SetVisible(false);

    lblNapoveda->setGeometry(112, 8, 444, 16);
    lblNapoveda->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    lblNapoveda->SetForeColor(Yellow);
    lblNapoveda->SetAutoSize(true);
    lblNapoveda->SetCaption(QStringLiteral("Pravidla hry, ovládání a další informace po stisknutí klávesy F1 !"));
    lblNapoveda->SetVisible(true);

    // The tab order of the design; labels and pictures take no focus.
    setTabOrder(cmdKonec, cmdRozdej);
    setTabOrder(cmdRozdej, cmdDost);
    setTabOrder(cmdDost, &cmdBankovka(0));
    setTabOrder(&cmdBankovka(0), cmdRub);
    QWidget* previous = cmdRub;
    for (std::int16_t i = 1; i < cmdBankovka.Count(); ++i) {
        setTabOrder(previous, &cmdBankovka(i));
        previous = &cmdBankovka(i);
    }

    pclKarty.SetPicture(Pictures::CardFaces());
}
