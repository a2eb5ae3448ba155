#include "ui/system/MessageBox.h"

#include "ui/system/Forms.h"

#include <QAbstractButton>
#include <QMessageBox>

MessageBox::Answer MessageBox::AskYesNo(QWidget* parent, const QString& prompt)
{
    asked_.append(prompt);
    if (answerer_)
        return answerer_(prompt);

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Ixa"), prompt, QMessageBox::Yes | QMessageBox::No, parent);
    // The game's own words, not Qt's, which are Czech only where Qt's translations are installed.
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ano"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Ne"));
    box.setDefaultButton(QMessageBox::Yes);
    const Forms::Modal modal(forms_);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBox::AnswerWith(std::function<Answer(const QString&)> answerer)
{
    answerer_ = std::move(answerer);
}
