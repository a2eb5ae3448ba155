// The Yes/No question box, with a way for tests to answer it.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Forms;
class QWidget;

class MessageBox {
public:
    enum class Answer { Yes, No };

    // The loaded windows, told that a modal question is open.
    explicit MessageBox(Forms* forms = nullptr)
        : forms_(forms)
    {
    }

    // Asks the question modally: Yes and No, Yes preselected, no icon, titled "Ixa".
    Answer AskYesNo(QWidget* parent, const QString& prompt);

    // From now on the question is not shown: the given function answers it.
    void AnswerWith(std::function<Answer(const QString& prompt)> answerer);
    const QStringList& Asked() const { return asked_; }

private:
    Forms* forms_;
    std::function<Answer(const QString&)> answerer_;
    QStringList asked_;
};
