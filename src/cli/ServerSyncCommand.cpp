#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/PasswordPrompt.h"
#include "session/Keyring.h"
#include "store/WalletBackups.h"
#include "sync/WebDavClient.h"
#include "sync/WebDavSync.h"

namespace {

const QString userOption = QStringLiteral("user");
const QString certificateOption = QStringLiteral("certificate");

WebDavAccount accountOf(const Invocation &call)
{
    WebDavAccount account;
    account.url = QUrl(call.argument(1));
    account.user = call.isSet(userOption) ? call.value(userOption) : account.url.userName();
    account.url.setUserInfo(QString());
    // With or without colons, in either case.
    account.acceptedFingerprint = QByteArray::fromHex(call.value(certificateOption).toLatin1()).toHex(':').toUpper();
    return account;
}

} // namespace

bool ServerSyncCommand::isServer(const QString &other)
{
    return other.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)
        || other.startsWith(QLatin1String("http://"), Qt::CaseInsensitive);
}

QList<QCommandLineOption> ServerSyncCommand::options()
{
    return {QCommandLineOption(userOption, tr("with a URL: the user name on the server"), QStringLiteral("NAME")),
            QCommandLineOption(certificateOption,
                               tr("with a URL: accept the server's certificate, which the system does not trust, if "
                                  "its SHA-256 fingerprint is this one"),
                               QStringLiteral("FINGERPRINT"))};
}

int ServerSyncCommand::check(const Invocation &call)
{
    const WebDavAccount account = accountOf(call);
    if (account.user.isEmpty())
        return call.usageError(tr("a URL needs --user NAME"));
    const WalletError problem = WebDavClient::checkAccount(account);
    return problem.isError() ? call.usageError(problem.detail()) : ExitSuccess;
}

int ServerSyncCommand::run(const Invocation &call)
{
    Console &console = call.console();
    WebDavAccount account = accountOf(call);
    const Keyring::Answer kept = Keyring::read(Keyring::serverKey(account.url, account.user));
    if (kept.status == Keyring::Found) {
        account.password = kept.secret;
    } else {
        if (kept.status != Keyring::NotFound)
            console.error(kept.problem);
        const std::optional<QString> password
            = call.passwords().ask(tr("Password of %1 on %2: ").arg(account.user, account.url.host()));
        if (!password)
            return console.fail(account.url.toDisplayString(), tr("no password given"));
        account.password = *password;
    }

    WebDavSync::Options options;
    options.beforeLocalWrite = &WalletBackups::keep;
    options.copyPassword = [&call] { return call.passwords().ask(tr("Password of the wallet copy on the server: ")); };
    WebDavClient client(account);
    WebDavSync::Report report;
    WalletError error;
    if (!WebDavSync::run(call.wallet(), client, options, &report, &error)) {
        console.error(tr("sync failed: %1").arg(error.message()));
        return ExitFailure;
    }
    // A line for scripts: the same in every language.
    console.print(QStringLiteral("received %1, sent %2\n").arg(report.received).arg(report.sent));
    return ExitSuccess;
}
