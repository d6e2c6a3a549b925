#include "store/CardDb.h"

#include "store/FileOps.h"
#include "store/WalletProbe.h"

#include <QFileInfo>

namespace {

std::unique_ptr<CardDb> failed(WalletError *out, const WalletError &error)
{
    if (out)
        *out = error;
    return nullptr;
}

} // namespace

CardDb::CardDb(const QString &path, bool readOnly)
    : m_sql(path, readOnly)
{
}

WalletError CardDb::probe(const QString &path, ProbeDepth depth)
{
    return WalletProbe::examine(path, depth);
}

// One connection does it all: the checks of a probe, then the identity.
std::unique_ptr<CardDb> CardDb::openFile(const QString &path, WalletError *error)
{
    const WalletError problem = WalletFile::problemBeforeOpening(path);
    if (problem.isError())
        return failed(error, problem);
    std::unique_ptr<CardDb> store(new CardDb(path, !FileOps::isWritableFile(path)));
    return store->m_file.load() ? std::move(store) : failed(error, store->lastError());
}

std::unique_ptr<CardDb> CardDb::open(const QString &path, const WalletCredentials &credentials, WalletError *error)
{
    std::unique_ptr<CardDb> store = openFile(path, error);
    if (!store)
        return nullptr;
    return store->m_file.unlock(credentials) ? std::move(store) : failed(error, store->lastError());
}

std::unique_ptr<CardDb> CardDb::open(const QString &path, const QString &password, WalletError *error)
{
    return open(path, WalletCredentials{password, QByteArray()}, error);
}

std::unique_ptr<CardDb> CardDb::openWithKey(const QString &path, const QByteArray &key, WalletError *error)
{
    std::unique_ptr<CardDb> store = openFile(path, error);
    if (!store)
        return nullptr;
    return store->m_file.unlockWithKey(key) ? std::move(store) : failed(error, store->lastError());
}

std::unique_ptr<CardDb> CardDb::create(const QString &path, const WalletCredentials &credentials,
                                       const NewWalletOptions &options, WalletError *error)
{
    return WalletFile::create(path, credentials, options, error) ? open(path, credentials, error) : nullptr;
}

std::unique_ptr<CardDb> CardDb::create(const QString &path, const QString &password, WalletError *error)
{
    return create(path, {password, QByteArray()}, {NewWalletOptions::Compatible, {}}, error);
}

std::unique_ptr<CardDb> CardDb::openOrCreate(const QString &path, const WalletCredentials &credentials,
                                             const NewWalletOptions &options, WalletError *error)
{
    const QFileInfo file(path);
    return file.exists() || file.isSymLink() ? open(path, credentials, error)
                                             : create(path, credentials, options, error);
}

std::unique_ptr<CardDb> CardDb::openOrCreate(const QString &path, const QString &password, WalletError *error)
{
    return openOrCreate(path, {password, QByteArray()}, {NewWalletOptions::Compatible, {}}, error);
}

WalletSummary CardDb::summary(const QString &path)
{
    const std::unique_ptr<CardDb> store = openFile(path, nullptr);
    return store ? WalletSummary{store->syncUuid(), store->cardCount()} : WalletSummary();
}

WalletError CardDb::info(const QString &path, WalletInfo *info)
{
    WalletError error;
    const std::unique_ptr<CardDb> store = openFile(path, &error);
    if (!store)
        return error;
    *info = store->info();
    return info->cards < 0 ? store->lastError() : WalletError();
}

WalletInfo CardDb::info()
{
    WalletInfo described = m_file.describe();
    described.cards = cardCount();
    return described;
}

CardDbTransaction::CardDbTransaction(CardDb &store)
    : CardDbTransaction(store.m_sql)
{
}
