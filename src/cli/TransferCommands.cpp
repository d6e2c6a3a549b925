#include "cli/TransferCommands.h"

#include "cli/CardJson.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/WalletAccess.h"
#include "import/KeePassLoader.h"
#include "import/KeePassXLoader.h"
#include "import/PSafeLoader.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"

#include <QFileInfo>

namespace {

enum class ImportFormat { KeePassX, KeePass, PasswordSafe };

const QMap<QString, ImportFormat> &importFormats()
{
    static const QMap<QString, ImportFormat> formats{{QStringLiteral("keepassx"), ImportFormat::KeePassX},
                                                     {QStringLiteral("keepass"), ImportFormat::KeePass},
                                                     {QStringLiteral("psafe"), ImportFormat::PasswordSafe}};
    return formats;
}

std::unique_ptr<ImportLoader> loaderFor(ImportFormat format, CardDb &store, const QString &path)
{
    switch (format) {
    case ImportFormat::KeePassX:
        return std::make_unique<KeePassXLoader>(&store, path);
    case ImportFormat::KeePass:
        return std::make_unique<KeePassLoader>(&store, path);
    case ImportFormat::PasswordSafe:
        return std::make_unique<PSafeLoader>(&store, path);
    }
    return nullptr;
}

const QString salvageOption = QStringLiteral("salvage");

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
         QStringLiteral("WALLET [--salvage]"),
         tr("Print every card, trashed ones included, as JSON: every secret in the clear."),
         tr("The output is {\"cards\": [...]} in row order; times are whole seconds since 1970 UTC.\n"
            "A wallet with unreadable cards is refused, unless --salvage is given: then every card that\n"
            "can be read is printed, the others are named on standard error, and the exit code is 3."),
         1,
         1,
         {QCommandLineOption(salvageOption, tr("rescue what can be read of a damaged wallet"))},
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

    const auto before = store->allUuids();
    if (!before)
        return WalletAccess::failed(*store, console);
    {
        // The loader's own transaction joins this one, so a file that fails half-way adds nothing.
        CardDbTransaction transaction(*store);
        if (!transaction.isActive())
            return WalletAccess::failed(*store, console);
        if (const WalletError kept = WalletBackups::keep(*store); kept.isError())
            return console.fail(path, tr("no backup could be kept: %1").arg(kept.message()));
        const auto loader = loaderFor(importFormats().value(formatName), *store, file);
        if (!loader->importFile())
            return console.fail(file, tr("not a readable %1 export: %2").arg(formatName, loader->errorString()));
        if (!transaction.commit())
            return WalletAccess::failed(*store, console);
    }
    const auto after = store->allUuids();
    if (!after)
        return WalletAccess::failed(*store, console);
    console.print(QString::number(after->size() - before->size()) + QLatin1Char('\n'));
    return ExitSuccess;
}

int TransferCommands::exportJson(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    const auto store = WalletAccess::open(path, WalletAccess::ForReading, call.passwords(), console);
    if (!store)
        return ExitFailure;
    CardReadout readout;
    if (call.isSet(salvageOption)) {
        readout = store->salvage();
    } else if (auto cards = store->allCards()) {
        readout.cards = std::move(*cards);
    } else {
        return WalletAccess::failed(*store, console);
    }
    console.error(tr("warning: the output holds every secret of %1 in the clear").arg(path));
    console.printBytes(CardJson::document(readout.cards));
    for (const UnreadableCard &lost : qAsConst(readout.unreadable)) {
        console.fail(path,
                     lost.title.isEmpty()
                         ? tr("card #%1 cannot be read and is left out").arg(lost.id)
                         : tr("card #%1 \"%2\" cannot be read and is left out").arg(lost.id).arg(lost.title));
    }
    return readout.unreadable.isEmpty() ? ExitSuccess : ExitPartial;
}
