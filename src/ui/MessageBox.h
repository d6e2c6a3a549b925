#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QStringList>

#include <functional>

class WalletError;

// The program's message boxes. Tests queue the answer a user would give instead of a box showing.
class MessageBox
{
    Q_DECLARE_TR_FUNCTIONS(MessageBox)

public:
    // The user agrees (the box's accept, yes or destructive button) or declines (its reject or no button).
    enum Answer { Accept, Decline };

    // Shows the box and waits; returns the button pressed.
    static QAbstractButton *exec(QMessageBox &box);
    // Shows the box without waiting; its buttons' signals carry the answer.
    static void open(QMessageBox *box);
    static void critical(QWidget *parent, const QString &title, const QString &text);
    static void information(QWidget *parent, const QString &title, const QString &text);
    // The one way to ask before a step that cannot be undone: shows without waiting, Cancel is the
    // default, and accepted runs when the user presses button.
    static void confirm(QWidget *parent, const QString &title, const QString &text, const QString &button,
                        const std::function<void()> &accepted);
    // The one way a failed operation on the wallet is shown: what failed, then the store's reason.
    static void storeError(QWidget *parent, const QString &what, const WalletError &error);

    // The next box does not show: it ends at once with this answer, its title and text kept for
    // takeAnswered() as "title: text".
    static void setNextAnswer(Answer answer);
    static QStringList takeAnswered();

private:
    static bool answerQueued(QMessageBox &box);
};
