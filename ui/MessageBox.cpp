#include "ui/MessageBox.h"

#include "ui/Platform.h"

#include <QMessageBox>

MessageBox::Answer MessageBox::AskYesNo(QWidget* parent, const QString& prompt)
{
    asked_.append(prompt);
    if (answerer_)
        return answerer_(prompt);

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ixa"), prompt, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    const Forms::Modal modal(forms_);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBox::AnswerWith(std::function<Answer(const QString&)> answerer)
{
    answerer_ = std::move(answerer);
}
