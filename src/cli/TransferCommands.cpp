#include "cli/Commands.h"

#include "cli/Console.h"
#include "cli/ConsoleOutput.h"
#include "cli/Invocation.h"
#include "export/CardExport.h"
#include "import/Importer.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The formats the older form of import names between the wallet and the file.
const char xmlFormats[] = "keepassx|keepass|psafe";

// The file to import: the last argument, after the format word of the older form.
QString importedFile(const Invocation &call)
{
    return call.argumentsFrom(1).constLast();
}

// The format the command line names, in either form; empty when it leaves it to the file's content.
QString importFormatName(const Invocation &call)
{
    return call.argumentsFrom(1).size() == 2 ? call.argument(1) : call.value(QStringLiteral("format"));
}

const QString salvageOption = QStringLiteral("salvage");
const QString formatOption = QStringLiteral("format");
const QString outputOption = QStringLiteral("output");

} // namespace

QVector<Command> TransferCommands::commands()
{
    return {
        {QStringLiteral("import"),
         {"WALLET", Argument(xmlFormats, Argument::Optional), "FILE"},
         {QCommandLineOption(formatOption, tr("the export's format, when its content should not decide"),
                             QStringLiteral("NAME"))},
         tr("Import another password manager's or browser's export and print what was added."),
         tr("The format is told from the file's content, or named with --format, one of\n%1.\n"
            "Typed items (credit cards, identities, secure notes of a type) become cards of the matching\n"
            "template; values a card has no field for become extra fields, and items in the export's trash\n"
            "go to the trash. An item identical to a card of the wallet is skipped, so importing a file\n"
            "twice adds nothing. A file that cannot be read completely adds nothing; rows that make no card\n"
            "are named on standard error. The summary reads \"imported N, skipped D duplicates, T into the\n"
            "trash, extra fields kept E, rows not understood R\". The older form\n"
            "`import WALLET keepassx|keepass|psafe FILE` names the format before the file.")
             .arg(ImportFormats::names().join(QLatin1String(", "))),
         WalletUse::Writing,
         &TransferCommands::importFile,
         &TransferCommands::checkImport},
        {QStringLiteral("export"),
         {"WALLET"},
         {QCommandLineOption(formatOption, tr("json, keepass or csv"), QStringLiteral("FORMAT"),
                             QStringLiteral("json")),
          QCommandLineOption(outputOption, tr("the file to write instead of standard output"), QStringLiteral("FILE")),
          QCommandLineOption(salvageOption, tr("rescue what can be read of a damaged wallet"))},
         tr("Write every card out for another program: every secret in the clear."),
         tr("json (the default) is {\"cards\": [...]}, every row in row order, trashed ones flagged;\n"
            "times are whole seconds since 1970 UTC. keepass is a KeePass 2 XML export that KeePass and\n"
            "KeePassXC import, the trashed cards in its Recycle Bin group, and that `tessera-cli import`\n"
            "reads back into the same cards. csv has the columns Title,Username,Password,URL,Notes,Type\n"
            "for the live cards, other fields added to the notes.\n"
            "The export goes to standard output, or with --output to a file only its owner can read.\n"
            "A pipe, a terminal or a device given as FILE is written into as it is.\n"
            "A wallet with unreadable cards or damaged pages is refused, unless --salvage is given: then\n"
            "every card that can be read is written, the others and the damage are named on standard\n"
            "error, and the exit code is 3."),
         WalletUse::Reading,
         &TransferCommands::exportCards,
         &TransferCommands::checkExport},
    };
}

int TransferCommands::checkImport(const Invocation &call)
{
    const QString format = importFormatName(call);
    if (call.argumentsFrom(1).size() == 2 && call.isSet(formatOption))
        return call.usageError(tr("the format is named twice"));
    if (!format.isEmpty() && !ImportFormats::named(format))
        return call.usageError(tr("unknown format \"%1\"").arg(format));
    const QString file = importedFile(call);
    return QFileInfo(file).isFile() ? ExitSuccess : call.console().fail(file, tr("no such file"));
}

int TransferCommands::importFile(const Invocation &call)
{
    const QString formatName = importFormatName(call);
    const QString file = importedFile(call);
    Console &console = call.console();
    CardDb &store = call.wallet();
    // The importer's own transaction joins this one, so a file that fails half-way adds nothing.
    CardDbTransaction transaction(store);
    if (!transaction.isActive())
        return call.walletFailed();
    if (const WalletError kept = WalletBackups::keep(store); kept.isError())
        return console.fail(call.argument(0), tr("no backup could be kept: %1").arg(kept.message()));
    std::optional<ImportFormats::Format> format = ImportFormats::named(formatName);
    if (!format) {
        QFile content(file);
        if (content.open(QIODevice::ReadOnly))
            format = ImportFormats::detect(content);
        if (!format)
            return console.fail(file, tr("the format cannot be told from the content; name it with --format"));
    }
    Importer importer(store);
    if (!importer.importFile(file, format)) {
        return console.fail(
            file, tr("not a readable %1 export: %2").arg(ImportFormats::nameOf(*format), importer.errorString()));
    }
    if (!transaction.commit())
        return call.walletFailed();
    for (const QString &problem : importer.summary().problems)
        console.error(QStringLiteral("%1: %2").arg(file, problem));
    console.print(importer.summary().line() + QLatin1Char('\n'));
    return ExitSuccess;
}

int TransferCommands::checkExport(const Invocation &call)
{
    if (!CardExport::formatNamed(call.value(formatOption)))
        return call.usageError(tr("unknown format \"%1\"").arg(call.value(formatOption)));
    if (call.isSet(salvageOption) && !call.value(outputOption).isEmpty())
        return call.usageError(tr("--salvage writes to standard output only"));
    return ExitSuccess;
}

int TransferCommands::exportCards(const Invocation &call)
{
    const QString path = call.argument(0);
    Console &console = call.console();
    CardDb &store = call.wallet();
    const CardExport::Format format = *CardExport::formatNamed(call.value(formatOption));
    const QString output = call.value(outputOption);
    console.error(tr("warning: the output holds every secret of %1 in the clear").arg(path));
    QString error;
    if (!output.isEmpty()) {
        // Other writers wait while the export reads, so it is one consistent state of the wallet.
        CardDbTransaction snapshot(store);
        if (!snapshot.isActive())
            return call.walletFailed();
        return CardExport::writeFile(format, store, output, &error) ? ExitSuccess : console.fail(output, error);
    }
    ConsoleOutput out(console);
    if (!call.isSet(salvageOption)) {
        CardDbTransaction snapshot(store);
        if (!snapshot.isActive())
            return call.walletFailed();
        return CardExport::write(format, store, out, &error) ? ExitSuccess : console.fail(path, error);
    }
    CardReadout readout = store.salvage();
    CardExport::write(format, readout.cards, out, &error);
    out.flush();
    for (const UnreadableCard &lost : qAsConst(readout.unreadable)) {
        console.fail(path,
                     lost.title.isEmpty()
                         ? tr("card #%1 cannot be read and is left out").arg(lost.id)
                         : tr("card #%1 \"%2\" cannot be read and is left out").arg(lost.id).arg(lost.title));
    }
    // A damaged page can hide whole rows from every read: they are missing without a name.
    const WalletError damage = CardDb::probe(path, CardDb::EveryPage);
    if (damage.isError())
        console.fail(path, tr("%1; cards on the damaged pages may be missing").arg(damage.message()));
    return readout.unreadable.isEmpty() && !damage.isError() ? ExitSuccess : ExitPartial;
}
