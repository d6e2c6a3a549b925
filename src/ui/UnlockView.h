#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

// What the window shows of a locked wallet: its name and a password field, focused.
class UnlockView : public QWidget
{
    Q_OBJECT

public:
    explicit UnlockView(QWidget *parent = nullptr);

    void showWallet(const QString &path);
    // After a failed unlock: says why, and empties the field for another try.
    void showError(const QString &message);

signals:
    void unlockRequested(const QString &password);

private:
    void submit();

    QLabel *m_title;
    QLineEdit *m_password;
    QLabel *m_error;
};
