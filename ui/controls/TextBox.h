// A text box for reading: several lines, a vertical scroll bar, and no typing into it.
#pragma once

#include "ui/controls/Control.h"

#include <QPlainTextEdit>

class TextBox : public Control<QPlainTextEdit> {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    // The text as given, line breaks CR LF included.
    QString Text() const { return text_; }
    void SetText(const QString& text);
    // The focus to the text, with the caret on its first line.
    void SetFocusAtTop();

    // The colours of the writing area and of the text.
    void SetBackColor(QColor colour);
    void SetForeColor(QColor colour);

private:
    QString text_;
};
