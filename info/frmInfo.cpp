#include "info/frmInfo.h"

#include "history/frmStatistika.h"
#include "info/Napoveda.h"

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
    // The focus stays on the button; the text is read out as it comes into view.
    platform.announcer.Say(txtPravidla->Text());
}

void frmInfo::cmdOvladani_Click()
{
    txtPravidla->SetVisible(false);
    txtOvladani->SetVisible(true);
    SetHeightTwips(VyskaSNapovedou);
    platform.announcer.Say(txtOvladani->Text());
}

void frmInfo::cmdStatistika_Click()
{
    (new frmStatistika(platform))->ShowModal();
}

void frmInfo::cmdOK_Click()
{
    Unload();
}
