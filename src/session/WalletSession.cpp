#include "session/WalletSession.h"

#include "store/CardDb.h"
#include "store/FileOps.h"
#include "store/WalletBackups.h"

#include <QFile>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <malloc.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

// Once the store and the views have let go of the decrypted cards, the heap they filled is handed back
// to the system: a locked wallet should not keep hundreds of megabytes that once held its cards.
void giveBackFreedMemory()
{
    ::malloc_trim(0);
}

QPair<quint64, quint64> fileIdentity(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {0, 0};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

} // namespace

WalletSession::WalletSession(QObject *parent)
    : QObject(parent)
{
}

WalletSession::~WalletSession()
{
    waitForJobs();
}

WalletSession::State WalletSession::state() const
{
    if (m_store)
        return Unlocked;
    return m_path.isEmpty() ? NoWallet : Locked;
}

bool WalletSession::isWritable() const
{
    return m_store && !m_store->isReadOnly();
}

bool WalletSession::fail(const WalletError &error)
{
    m_lastError = error;
    return false;
}

std::unique_ptr<CardDb> WalletSession::openStore(const QString &path, const QString &password, WalletError *error)
{
    return openStore(path, WalletCredentials{password, QByteArray()}, error);
}

std::unique_ptr<CardDb> WalletSession::openStore(const QString &path, const WalletCredentials &credentials,
                                                 WalletError *error)
{
    std::unique_ptr<CardDb> store = CardDb::open(path, credentials, error);
    // Counting the live cards reads every row of the table, as the list will, without making the list
    // twice: the window reads it right after.
    if (store && store->cardCount() < 0) {
        *error = store->lastError();
        return nullptr;
    }
    return store;
}

bool WalletSession::failWithStoreError()
{
    return fail(m_store->lastError());
}

bool WalletSession::install(const QString &path, std::unique_ptr<CardDb> store, const WalletError &error)
{
    if (!store)
        return fail(error);
    m_store = std::move(store);
    m_path = path;
    m_fileId = fileIdentity(path);
    m_outsideChanges = m_store->outsideChanges();
    m_lastError = WalletError();
    emit opened();
    return true;
}

bool WalletSession::unlock(const QString &path, const QString &password)
{
    return unlock(path, WalletCredentials{password, QByteArray()});
}

bool WalletSession::unlock(const QString &path, const WalletCredentials &credentials)
{
    WalletError error;
    std::unique_ptr<CardDb> store = openStore(path, credentials, &error);
    return install(path, std::move(store), error);
}

bool WalletSession::unlock(const QString &password)
{
    return !m_path.isEmpty() && unlock(m_path, password);
}

void WalletSession::waitForJobs()
{
    for (QFuture<bool> &job : m_jobs)
        job.waitForFinished();
    m_jobs.clear();
}

QFuture<bool> WalletSession::startJob(std::function<bool()> job)
{
    m_jobs.erase(
        std::remove_if(m_jobs.begin(), m_jobs.end(), [](const QFuture<bool> &job) { return job.isFinished(); }),
        m_jobs.end());
    m_jobs.append(QtConcurrent::run(std::move(job)));
    return m_jobs.last();
}

QFuture<bool> WalletSession::runInBackground(std::function<bool(CardDb &)> work)
{
    if (!m_store)
        return QtConcurrent::run([] { return false; });
    CardDb *store = m_store.get();
    return startJob([store, work = std::move(work)] { return work(*store); });
}

QFuture<bool> WalletSession::readInBackground(std::function<bool(CardDb &)> work)
{
    if (!m_store)
        return QtConcurrent::run([] { return false; });
    return startJob([path = m_path, key = m_store->key(), work = std::move(work)] {
        const std::unique_ptr<CardDb> store = CardDb::openWithKey(path, key);
        return store && work(*store);
    });
}

void WalletSession::selectLocked(const QString &path)
{
    if (m_store || path.isEmpty())
        return;
    m_path = path;
    emit locked();
}

void WalletSession::lock()
{
    if (!m_store)
        return;
    emit closing();
    waitForJobs();
    m_store.reset();
    emit locked();
    giveBackFreedMemory();
}

WalletSession::FileChange WalletSession::fileChange() const
{
    const QPair<quint64, quint64> now = fileIdentity(m_path);
    if (now == QPair<quint64, quint64>(0, 0))
        return Gone;
    return now == m_fileId ? SameFile : Replaced;
}

bool WalletSession::reopen()
{
    if (!m_store)
        return false;
    waitForJobs();
    WalletError error;
    std::unique_ptr<CardDb> store = CardDb::openWithKey(m_path, m_store->key(), &error);
    if (store && !store->cardList())
        error = store->lastError();
    else if (store)
        return install(m_path, std::move(store), error);
    m_lastError = error;
    lock();
    return false;
}

void WalletSession::noticeOutsideChanges()
{
    if (!m_store)
        return;
    const qint64 outside = m_store->outsideChanges();
    if (outside == m_outsideChanges)
        return;
    m_outsideChanges = outside;
    emit cardsChanged();
}

void WalletSession::close()
{
    emit closing();
    waitForJobs();
    m_store.reset();
    m_path.clear();
    emit closed();
    giveBackFreedMemory();
}

bool WalletSession::addCard(Card &card, int *id)
{
    if (!m_store)
        return false;
    CardDbTransaction transaction(*m_store);
    const bool added = transaction.isActive() && m_store->addCard(card);
    *id = added ? m_store->cardIdForUuid(card.uuid()) : -1;
    if (!added || *id == -1 || !transaction.commit())
        return failWithStoreError();
    emit cardAdded(*id);
    return true;
}

int WalletSession::rowOf(const QString &uuid)
{
    const int id = m_store->cardIdForUuid(uuid);
    if (id == -1)
        fail(WalletError(WalletError::CardGone));
    return id;
}

bool WalletSession::updateCard(Card &card, int *id)
{
    if (!m_store)
        return false;
    CardDbTransaction transaction(*m_store);
    if (!transaction.isActive())
        return failWithStoreError();
    const int row = rowOf(card.uuid());
    if (row == -1)
        return false;
    if (!m_store->updateCard(row, card) || !transaction.commit())
        return failWithStoreError();
    if (id)
        *id = row;
    emit cardUpdated(row);
    return true;
}

bool WalletSession::trashCard(const QString &uuid)
{
    if (!m_store)
        return false;
    CardDbTransaction transaction(*m_store);
    if (!transaction.isActive())
        return failWithStoreError();
    const int row = rowOf(uuid);
    if (row == -1)
        return false;
    if (!m_store->trashCard(row) || !transaction.commit())
        return failWithStoreError();
    emit cardRemoved(row);
    return true;
}

bool WalletSession::changePassword(const QString &oldPassword, const QString &newPassword)
{
    if (!m_store)
        return false;
    const WalletError kept = WalletBackups::keep(*m_store);
    if (kept.isError())
        return fail(kept);
    return m_store->changePassword(oldPassword, newPassword) || failWithStoreError();
}

WalletInfo WalletSession::walletInfo() const
{
    WalletInfo info;
    if (m_store)
        info = m_store->info();
    else if (CardDb::info(m_path, &info).isError())
        info.cards = -1;
    return info;
}

// On the worker: the check of the password first, so that a wrong one keeps no backup (the copies
// kept stay those of real changes), then the backup, then the conversion.
void WalletSession::convert(const NewWalletOptions &target, const WalletCredentials &credentials)
{
    auto error = std::make_shared<WalletError>(WalletError::Missing);
    auto *watcher = new QFutureWatcher<bool>(this);
    connect(watcher, &QFutureWatcher<bool>::finished, this, [this, watcher, error] {
        watcher->deleteLater();
        const bool converted = watcher->result();
        if (!converted)
            fail(*error);
        emit conversionDone(converted);
    });
    watcher->setFuture(runInBackground([target, credentials, error](CardDb &store) {
        if (!store.checkCredentials(credentials)) {
            *error = WalletError::wrongCredentials(!credentials.keyFile.isEmpty());
            return false;
        }
        *error = WalletBackups::keep(store);
        if (error->isError())
            return false;
        if (store.convert(target, credentials))
            return true;
        *error = store.lastError();
        return false;
    }));
}

bool WalletSession::import(const std::function<bool(CardDb &)> &importer)
{
    if (!m_store)
        return false;
    const WalletError kept = WalletBackups::keep(*m_store);
    if (kept.isError())
        return fail(kept);
    const bool imported = importer(*m_store);
    emit cardsChanged();
    return imported || fail(WalletError(WalletError::WriteFailed));
}

std::optional<QVector<CardListEntry>> WalletSession::cardList(CardTable::ListScope scope)
{
    if (!m_store)
        return std::nullopt;
    auto list = m_store->cardList(scope);
    if (!list)
        failWithStoreError();
    return list;
}

std::unique_ptr<Card> WalletSession::card(int id)
{
    if (!m_store)
        return nullptr;
    auto card = m_store->card(id);
    if (!card)
        failWithStoreError();
    return card;
}

std::unique_ptr<Card> WalletSession::cardByUuid(const QString &uuid)
{
    if (!m_store)
        return nullptr;
    auto card = m_store->cardByUuid(uuid);
    if (!card)
        failWithStoreError();
    return card;
}

int WalletSession::cardIdForUuid(const QString &uuid)
{
    return m_store ? m_store->cardIdForUuid(uuid) : -1;
}

bool WalletSession::checkPassword(const QString &password) const
{
    return m_store && m_store->checkPassword(password);
}

bool WalletSession::restoreCard(int id)
{
    if (!m_store)
        return false;
    if (!m_store->restoreCard(id))
        return failWithStoreError();
    emit cardRemoved(id);
    return true;
}

bool WalletSession::purgeCard(int id)
{
    if (!m_store)
        return false;
    if (!m_store->purgeCard(id))
        return failWithStoreError();
    emit cardRemoved(id);
    return true;
}

bool WalletSession::emptyTrash()
{
    if (!m_store)
        return false;
    const bool emptied = m_store->purgeTrashed() || failWithStoreError();
    emit cardsChanged();
    return emptied;
}

bool WalletSession::saveCopy(const QString &path, QVector<UnreadableCard> *leftOut)
{
    return m_store && (m_store->saveCopy(path, leftOut) || failWithStoreError());
}

bool WalletSession::read(const std::function<bool(CardDb &)> &work)
{
    return m_store && work(*m_store);
}

bool WalletSession::change(const std::function<bool(CardDb &)> &work)
{
    if (!m_store)
        return false;
    if (work(*m_store))
        emit cardsChanged();
    return true;
}
