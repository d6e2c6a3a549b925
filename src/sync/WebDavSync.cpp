#include "sync/WebDavSync.h"

#include "store/CardDb.h"
#include "sync/WebDavClient.h"

#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Downloads and uploads in one round; each answer of 412 or each too fresh ETag costs one.
constexpr int maxAttempts = 8;

// Waits without blocking the event loop of the thread.
void pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool fail(WalletError *error, const WalletError &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool WebDavSync::run(CardDb &wallet, WebDavClient &client, const Options &options, Report *report, WalletError *error)
{
    WalletError ignored;
    if (!error)
        error = &ignored;
    *report = Report();
    report->copyKey = options.copyKey.isEmpty() ? wallet.key() : options.copyKey;
    const QTemporaryDir folder;
    if (!folder.isValid())
        return fail(error, WalletError(WalletError::WriteFailed, folder.errorString()));
    const QString copyPath = folder.filePath(QStringLiteral("server-copy.tessera"));
    int backOff = options.backOffMs;
    for (int attempt = 0; attempt < maxAttempts; ++attempt) {
        const bool askUnchanged = attempt == 0 && !options.localChanged && !options.knownEtag.isEmpty();
        const WebDavClient::Result fetched = client.download(copyPath, askUnchanged ? options.knownEtag : QByteArray());
        if (fetched.outcome == WebDavClient::Failed)
            return fail(error, fetched.error);
        if (fetched.outcome == WebDavClient::NotModified) {
            report->etag = options.knownEtag;
            return true;
        }
        const bool existing = fetched.outcome == WebDavClient::Done;
        if (!existing) {
            if (!wallet.saveCopy(copyPath))
                return fail(error, wallet.lastError());
            report->copyKey = wallet.key();
        }
        auto copy = openCopy(copyPath, options, report, error);
        if (!copy)
            return false;
        WalletMerge::Outcome outcome;
        if (!WalletMerge::merge(wallet, *copy, WalletMerge::BothCopies, error, &outcome, options.beforeLocalWrite))
            return false;
        copy.reset();
        report->received += outcome.received;
        // A new copy holds every card, although the merge found nothing to send.
        const int sentCards = existing ? outcome.sent : wallet.cardCount();
        if (existing && outcome.sent == 0) {
            report->etag = fetched.etag;
            return true;
        }
        if (existing && fetched.etag.isEmpty()) {
            return fail(error,
                        WalletError(WalletError::ServerRefused,
                                    tr("the server gives no ETag, so an upload could replace a newer copy")));
        }
        if (existing && WebDavClient::isWeak(fetched.etag)) {
            pause(backOff);
            backOff = qMin(backOff * 2, 4 * options.backOffMs);
            continue;
        }
        const WebDavClient::Result sent = client.upload(copyPath, existing ? fetched.etag : QByteArray());
        if (sent.outcome == WebDavClient::Done) {
            report->sent = sentCards;
            report->etag = sent.etag;
            return true;
        }
        if (sent.outcome != WebDavClient::Changed)
            return fail(error, sent.error);
        QFile::remove(copyPath);
    }
    return fail(error,
                WalletError(WalletError::ServerRefused, tr("the copy on the server kept changing; try again later")));
}

std::unique_ptr<CardDb> WebDavSync::openCopy(const QString &path, const Options &options, Report *report,
                                             WalletError *error)
{
    auto copy = CardDb::openWithKey(path, report->copyKey, error);
    if (copy || error->kind() != WalletError::PasswordChanged)
        return copy;
    const std::optional<QString> password = options.copyPassword ? options.copyPassword() : std::nullopt;
    if (!password) {
        *error = WalletError(WalletError::WrongPassword, tr("the copy on the server has another password"));
        return nullptr;
    }
    copy = CardDb::open(path, *password, error);
    if (copy)
        report->copyKey = copy->key();
    return copy;
}
