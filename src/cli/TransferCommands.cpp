#include "cli/TransferCommands.h"

#include "cli/CardJson.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/WalletAccess.h"
#include "import/KeePassLoader.h"
#include "import/KeePassXLoader.h"
#include "import/PSafeLoader.h"
#include "store/CardDb.h"

#include <QFileInfo>

#include <algorithm>

namespace {

enum class ImportFormat { KeePassX, KeePass, PasswordSafe };

const QMap<QString, ImportFormat> &importFormats()
{
    static const QMap<QString, ImportFormat> formats{{QStringLiteral("keepassx"), ImportFormat::KeePassX},
                                                     {QStringLiteral("keepass"), ImportFormat::KeePass},
                                                     {QStringLiteral("psafe"), ImportFormat::PasswordSafe}};
    return formats;
}

bool runImport(ImportFormat format, CardDb &store, const QString &path)
{
    switch (format) {
    case ImportFormat::KeePassX:
        return KeePassXLoader(&store, path).importFile();
    case ImportFormat::KeePass:
        return KeePassLoader(&store, path).importFile();
    case ImportFormat::PasswordSafe:
        return PSafeLoader(&store, path).importFile();
    }
    return false;
}

} // namespace

QVector<Command> TransferCommands::commands()
{
    return {
        {QStringLiteral("import"),
         QStringLiteral("WALLET keepassx|keepass|psafe FILE"),
         tr("Import an XML export of another password manager and print how many cards were added."),
         tr("Each entry becomes a login card. A file that cannot be read completely adds nothing."),
         3,
         3,
         {},
         &TransferCommands::importFile},
        {QStringLiteral("export"),
         QStringLiteral("WALLET"),
         tr("Print every card, trashed ones included, as JSON: every secret in the clear."),
         tr("The output is {\"cards\": [...]} in row order; times are whole seconds since 1970 UTC."),
         1,
         1,
         {},
         &TransferCommands::exportJson},
    };
}

int TransferCommands::importFile(const Invocation &call)
{
    const QString path = call.argument(0);
    const QString formatName = call.argument(1);
    const QString file = call.argument(2);
    Console &console = call.console();
    if (!importFormats().contains(formatName))
        return call.usageError(tr("unknown format \"%1\"").arg(formatName));
    if (!QFileInfo(file).isFile())
        return console.fail(file, tr("no such file"));
    const auto store = WalletAccess::open(path, WalletAccess::ForWriting, call.passwords(), console);
    if (!store)
        return ExitFailure;

    const int before = store->allUuids().size();
    {
        // The loader's own transaction joins this one, so a file that fails half-way adds nothing.
        CardDbTransaction transaction(*store);
        if (!transaction.isActive())
            return console.fail(path, tr("cannot write the wallet"));
        if (!runImport(importFormats().value(formatName), *store, file))
            return console.fail(file, tr("not a readable %1 export").arg(formatName));
        if (!transaction.commit())
            return console.fail(path, tr("cannot write the wallet"));
    }
    console.print(QString::number(store->allUuids().size() - before) + QLatin1Char('\n'));
    return ExitSuccess;
}

int TransferCommands::exportJson(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    const auto store = WalletAccess::open(path, WalletAccess::ForReading, call.passwords(), console);
    if (!store)
        return ExitFailure;
    std::vector<StoredCard> rows = store->allCards();
    std::sort(rows.begin(), rows.end(), [](const StoredCard &a, const StoredCard &b) { return a.id < b.id; });
    console.error(tr("warning: the output holds every secret of %1 in the clear").arg(path));
    console.printBytes(CardJson::document(rows));
    return ExitSuccess;
}
