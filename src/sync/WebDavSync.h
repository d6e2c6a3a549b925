#pragma once

#include "store/WalletError.h"
#include "sync/WalletMerge.h"

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <optional>

class WebDavClient;

// One round of sync between an open wallet and its copy on a WebDAV server: downloads the copy with its
// ETag, merges the two card by card, and uploads the result only if the server's copy still has that
// ETag; when someone uploaded meanwhile, it downloads and merges again, a bounded number of times.
// The first copy on the server is a copy of the wallet, under its password. The downloaded copy lives in
// a private temporary folder. Whatever fails, the wallet holds every card it
// held, and the server's copy is the one it had or the merged one.
class WebDavSync
{
    Q_DECLARE_TR_FUNCTIONS(WebDavSync)

public:
    // The password of the server's copy, when it does not open with the wallet's key; none when the user
    // declines.
    using AskCopyPassword = std::function<std::optional<QString>()>;

    struct Options
    {
        // The server copy's ETag when the last round ended.
        QByteArray knownEtag;
        // False when the wallet has not changed since that round: then one conditional request suffices
        // when the server's copy has not changed either.
        bool localChanged = true;
        // The key the server's copy opened with last time; empty for the wallet's own.
        QByteArray copyKey;
        AskCopyPassword copyPassword;
        WalletMerge::BeforeLocalWrite beforeLocalWrite;
        // The first wait before the copy is downloaded again when its ETag was too fresh to upload against.
        int backOffMs = 300;
    };
    struct Report
    {
        int received = 0;
        int sent = 0;
        // The server copy's ETag after the round, to pass as knownEtag next time.
        QByteArray etag;
        // The key the server's copy opened with, to pass as copyKey next time.
        QByteArray copyKey;
    };

    static bool run(CardDb &wallet, WebDavClient &client, const Options &options, Report *report,
                    WalletError *error = nullptr);

private:
    // Opens the downloaded copy with the key it had, else with the password the user gives.
    static std::unique_ptr<CardDb> openCopy(const QString &path, const Options &options, Report *report,
                                            WalletError *error);
};
