#include "ui/designs/frmInfoDesign.h"

#include "ui/controls/DesignFont.h"
#include "ui/pictures/Pictures.h"
#include "ui/system/Screen.h"

#include <QToolTip>

namespace {
const QColor DarkGreen(0, 64, 0);
const QColor Yellow(255, 255, 0);

Label* credit(QWidget* parent, QRect geometry, const QString& caption)
{
    auto* label = new Label(parent);
    label->setGeometry(geometry);
    label->setFont(DesignFont(QStringLiteral("Arial"), 8.25));
    label->SetForeColor(Yellow);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->SetCaption(caption);
    return label;
}

TextBox* helpBox(QWidget* parent, const QString& name)
{
    auto* txt = new TextBox(parent);
    txt->SetAccessibleName(name);
    txt->setGeometry(PixelsRect(120, 4080, 4815, 2295));
    txt->SetBackColor(QToolTip::palette().color(QPalette::ToolTipBase));
    txt->SetForeColor(QColor(0, 0, 0));
    txt->SetVisible(false);
    return txt;
}
} // namespace

frmInfoDesign::frmInfoDesign(Platform& platform_)
    : Form(platform_)
    , lblNazevApp(new Label(this))
    , Shape1(new Shape(this))
    , lbltxt(this,
          [](QWidget* parent) {
              return credit(parent, PixelsRect(2760, 720, 2175, 255),
                  QStringLiteral("Ixa, verze %1").arg(QStringLiteral(IXA_VERSION)));
          })
    , Line1(new Line(this))
    , cmdOK(new CommandButton(this, PixelsRect(3840, 3600, 1095, 375), QStringLiteral("OK")))
    , cmdPravidla(new CommandButton(this, PixelsRect(120, 3600, 1095, 375), QStringLiteral("&Pravidla")))
    , cmdOvladani(new CommandButton(this, PixelsRect(1320, 3600, 1095, 375), QStringLiteral("&Ovládání")))
    , txtPravidla(helpBox(this, QStringLiteral("Pravidla")))
    , txtOvladani(helpBox(this, QStringLiteral("Ovládání")))
    , cmdStatistika(new CommandButton(this, PixelsRect(2520, 3600, 1095, 375), QStringLiteral("&Statistika")))
{
    SetCaption(QStringLiteral("O aplikaci"));
    SetBackColor(DarkGreen);
    SetPicture(Pictures::InfoBackground());
    // A fixed dialog: no resizing by the frame, no minimise or maximise button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    // A dialog to a screen reader too, which then reads its texts.
    SetAccessibleRole(QAccessible::Dialog);
    setFixedSize(Pixels(5055), Pixels(4095));

    lblNazevApp->setGeometry(PixelsRect(1800, 120, 3135, 375));
    lblNazevApp->setFont(DesignFont(QStringLiteral("Arial"), 14.25, true));
    lblNazevApp->SetForeColor(Yellow);
    lblNazevApp->setAlignment(Qt::AlignCenter);
    lblNazevApp->SetCaption(QStringLiteral("21"));
    Shape1->setGeometry(lblNazevApp->geometry());
    Shape1->SetBorderColor(Yellow);

    lbltxt.AddFromDesign(1,
        credit(this, PixelsRect(2760, 1080, 2175, 735),
            QStringLiteral("Karetní hra jednadvacet proti počítači, který drží bank.")));
    lbltxt.AddFromDesign(2, credit(this, PixelsRect(2760, 2250, 2175, 255), QStringLiteral("Licence MIT")));

    Line1->SetEnds(Pixels(-600), Pixels(3480), Pixels(5040), Pixels(3480));
    Line1->SetBorderWidth(2);
    Line1->SetBorderColor(Yellow);

    // OK first, so that it has the focus when the window opens.
    setTabOrder(cmdOK, cmdPravidla);
    setTabOrder(cmdPravidla, cmdOvladani);
    setTabOrder(cmdOvladani, txtPravidla);
    setTabOrder(txtPravidla, txtOvladani);
    setTabOrder(txtOvladani, cmdStatistika);
}
