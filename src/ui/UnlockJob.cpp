#include "ui/UnlockJob.h"

#include "model/SecretText.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/KeyFileField.h"

#include <QtConcurrent>

UnlockJob::UnlockJob(WalletSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    connect(&m_watcher, &QFutureWatcher<CardDb *>::finished, this, &UnlockJob::handOver);
}

UnlockJob::~UnlockJob()
{
    m_watcher.waitForFinished();
    // A store opened for a job that went before it could hand it over.
    if (!m_handedOver && m_watcher.future().resultCount() > 0)
        delete m_watcher.result();
}

void UnlockJob::start(const QString &path, const QString &password, const QString &keyFilePath)
{
    if (isRunning())
        return;
    m_path = path;
    m_handedOver = false;
    m_watcher.setFuture(QtConcurrent::run([this, path, password, keyFilePath]() -> CardDb * {
        WalletCredentials credentials;
        m_error = KeyFileField::credentials(password, keyFilePath, &credentials);
        if (m_error.isError())
            return nullptr;
        CardDb *store = WalletSession::openStore(path, credentials, &m_error).release();
        SecretText::wipe(credentials.keyFile);
        return store;
    }));
}

void UnlockJob::handOver()
{
    m_handedOver = true;
    emit finished(m_session.install(m_path, std::unique_ptr<CardDb>(m_watcher.result()), m_error));
}

QString UnlockJob::failureText(const WalletError &error)
{
    if (error.kind() != WalletError::WrongPassword)
        return error.message();
    QString text = error.message();
    text[0] = text[0].toUpper();
    return tr("%1. Try again!").arg(text);
}
