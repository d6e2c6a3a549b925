#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

// One running Tessera per user: the first one to start holds a lock file and listens on a local
// socket; a later one finds the lock taken, asks the first to come forward, and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // name tells instances apart (the user's runtime folder keeps them per user).
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the first instance; false when another one runs and was asked to come forward.
    bool claim();

signals:
    void activationRequested();

private:
    QString socketPath() const;

    const QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
