#include "info/frmInfo.h"

#include "history/frmStatistika.h"
#include "info/Napoveda.h"
#include "ui/controls/KeyCode.h"

frmInfo::frmInfo(Platform& platform_)
    : frmInfoDesign(platform_)
{
    txtPravidla->SetText(TextPravidel());
    txtOvladani->SetText(TextOvladani());
    connect(cmdPravidla, &CommandButton::Click, this, &frmInfo::cmdPravidla_Click);
    connect(cmdOvladani, &CommandButton::Click, this, &frmInfo::cmdOvladani_Click);
    connect(cmdStatistika, &CommandButton::Click, this, &frmInfo::cmdStatistika_Click);
    connect(cmdOK, &CommandButton::Click, this, &frmInfo::cmdOK_Click);
}

void frmInfo::Form_Load()
{
    // Centred across at the short height, but placed down as if already tall, so that opening a
    // help text leaves it centred.
    MoveTwips(
        CentredTwips(platform.screen.Width(), WidthTwips()), CentredTwips(platform.screen.Height(), VyskaSNapovedou));
}

void frmInfo::cmdPravidla_Click()
{
    txtOvladani->SetVisible(false);
    txtPravidla->SetVisible(true);
    SetHeightTwips(VyskaSNapovedou);
    // The focus goes to the top of the text, which a screen reader then reads line by line with
    // the caret keys, as any text for reading.
    txtPravidla->SetFocusAtTop();
}

void frmInfo::cmdOvladani_Click()
{
    txtPravidla->SetVisible(false);
    txtOvladani->SetVisible(true);
    SetHeightTwips(VyskaSNapovedou);
    txtOvladani->SetFocusAtTop();
}

void frmInfo::cmdStatistika_Click()
{
    (new frmStatistika(platform))->ShowModal();
}

// Escape closes the window, and Enter in a help text too, as it did with the focus on OK.
void frmInfo::Form_KeyDown(std::int16_t KeyCode, std::int16_t)
{
    if (KeyCode == KeyCodes::Escape || KeyCode == KeyCodes::Return)
        cmdOK_Click();
}

void frmInfo::cmdOK_Click()
{
    Unload();
}
