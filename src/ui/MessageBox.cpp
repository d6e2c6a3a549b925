#include "ui/MessageBox.h"

#include "store/WalletError.h"

#include <QAbstractButton>
#include <QPushButton>

#include <utility>

namespace {

QList<MessageBox::Answer> &queuedAnswers()
{
    static QList<MessageBox::Answer> answers;
    return answers;
}

QStringList &answeredBoxes()
{
    static QStringList boxes;
    return boxes;
}

QAbstractButton *buttonFor(QMessageBox &box, MessageBox::Answer answer)
{
    const QList<QAbstractButton *> buttons = box.buttons();
    for (QAbstractButton *button : buttons) {
        const QMessageBox::ButtonRole role = box.buttonRole(button);
        const bool accepts
            = role == QMessageBox::AcceptRole || role == QMessageBox::YesRole || role == QMessageBox::DestructiveRole;
        const bool declines = role == QMessageBox::RejectRole || role == QMessageBox::NoRole;
        if (answer == MessageBox::Accept ? accepts : declines)
            return button;
    }
    return buttons.size() == 1 ? buttons.first() : nullptr;
}

} // namespace

void MessageBox::setNextAnswer(Answer answer)
{
    queuedAnswers().append(answer);
}

QStringList MessageBox::takeAnswered()
{
    return std::exchange(answeredBoxes(), {});
}

bool MessageBox::answerQueued(QMessageBox &box)
{
    if (queuedAnswers().isEmpty())
        return false;
    answeredBoxes().append(box.windowTitle() + QStringLiteral(": ") + box.text());
    if (QAbstractButton *button = buttonFor(box, queuedAnswers().takeFirst()))
        button->click();
    return true;
}

QAbstractButton *MessageBox::exec(QMessageBox &box)
{
    if (!answerQueued(box))
        box.exec();
    return box.clickedButton();
}

void MessageBox::open(QMessageBox *box)
{
    if (!answerQueued(*box))
        box->open();
}

void MessageBox::critical(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    exec(box);
}

void MessageBox::confirm(QWidget *parent, const QString &title, const QString &text, const QString &button,
                         const std::function<void()> &accepted)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setDefaultButton(QMessageBox::Cancel);
    QObject::connect(box->addButton(button, QMessageBox::AcceptRole), &QPushButton::clicked, box, accepted);
    open(box);
}

void MessageBox::storeError(QWidget *parent, const QString &what, const WalletError &error)
{
    critical(parent, tr("Error"), QStringLiteral("%1 %2.").arg(what, error.message()));
}

void MessageBox::information(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    exec(box);
}
