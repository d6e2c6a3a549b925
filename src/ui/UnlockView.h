#pragma once

#include <QWidget>

class KeyFileField;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class UnlockJob;
class WalletSession;

// What the window shows of a locked wallet: its name, a password field, focused, and for a hardened
// wallet its key file. Unlocking runs on a worker; meanwhile the view says so and takes no input.
class UnlockView : public QWidget
{
    Q_OBJECT

public:
    explicit UnlockView(WalletSession &session, QWidget *parent = nullptr);

    void showWallet(const QString &path);
    // After a failed unlock: says why, and empties the field for another try.
    void showError(const QString &message);

signals:
    // The user wants another wallet than this one.
    void otherWalletRequested();

private:
    void submit();
    void unlockFinished(bool unlocked);
    void setUnlocking(bool unlocking);

    WalletSession &m_session;
    UnlockJob *m_job;
    QLabel *m_title;
    QLineEdit *m_password;
    KeyFileField *m_keyFile;
    QPushButton *m_button;
    QLabel *m_error;
    QLabel *m_unlocking;
    QProgressBar *m_busy;
};
