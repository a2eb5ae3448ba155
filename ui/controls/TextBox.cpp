#include "ui/controls/TextBox.h"

#include <QScrollBar>
#include <QTextCursor>

TextBox::TextBox(QWidget* parent)
    : Control<QPlainTextEdit>(parent)
{
    setReadOnly(true);
    // Read-only, the keyboard still scrolls it and Tab still leaves it.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setTabChangesFocus(true);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TextBox::SetText(const QString& text)
{
    text_ = text;
    // The editor breaks lines at LF alone; a CR left in would show as a stray mark.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(shown);
    verticalScrollBar()->setValue(0);
}

void TextBox::SetFocusAtTop()
{
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    setFocus(Qt::OtherFocusReason);
}

void TextBox::SetBackColor(QColor colour)
{
    setRole(QPalette::Base, colour);
}

void TextBox::SetForeColor(QColor colour)
{
    setRole(QPalette::Text, colour);
}
