#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

// One running Tessera per user: the first one to start holds a lock file and listens on a local
// socket; a later one finds the lock taken, asks the first to come forward (with the wallet it was
// asked to open, if any), and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // name tells instances apart within the user's private runtime folder.
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this one is to run: it is the first, or no private folder could be had (then problem()
    // says why, and this one runs without the guard). False when another one runs and was asked to
    // come forward and to open walletPath, unless that is empty.
    bool claim(const QString &walletPath = QString());
    QString problem() const { return m_problem; }

signals:
    // walletPath: the wallet the later start was asked to open, or empty.
    void activationRequested(const QString &walletPath);

private:
    const QString m_name;
    QString m_folder;
    QString m_problem;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
