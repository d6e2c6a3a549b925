#pragma once

#include <QMessageBox>
#include <QStringList>

// The program's message boxes. Tests queue the answer a user would give instead of a box showing.
class MessageBox
{
public:
    // The user agrees (the box's accept, yes or destructive button) or declines (its reject or no button).
    enum Answer { Accept, Decline };

    // Shows the box and waits; returns the button pressed.
    static QAbstractButton *exec(QMessageBox &box);
    // Shows the box without waiting; its buttons' signals carry the answer.
    static void open(QMessageBox *box);
    static void critical(QWidget *parent, const QString &title, const QString &text);
    static void information(QWidget *parent, const QString &title, const QString &text);

    // The next box does not show: it ends at once with this answer, its title and text kept for
    // takeAnswered() as "title: text".
    static void setNextAnswer(Answer answer);
    static QStringList takeAnswered();

private:
    static bool answerQueued(QMessageBox &box);
};
