#pragma once

#include "cli/CardSelector.h"
#include "cli/Command.h"

#include <QCoreApplication>
#include <QVector>

#include <functional>
#include <memory>

// The commands of tessera-cli, in groups by what they work on; CommandLine puts them in one table.
// A check function looks at the command line before any password is asked.

// create, check, info, passwd, convert: a wallet file as a whole, its format and what unlocks it.
class WalletCommands
{
    Q_DECLARE_TR_FUNCTIONS(WalletCommands)

public:
    static QVector<Command> commands();

private:
    static int checkCreate(const Invocation &call);
    static int create(const Invocation &call);
    static int check(const Invocation &call);
    static int info(const Invocation &call);
    static int checkPasswd(const Invocation &call);
    static int changePassword(const Invocation &call);
    static int checkConvert(const Invocation &call);
    static int convert(const Invocation &call);
};

// ls, search, show, templates: reading cards and templates.
class CardQueries
{
    Q_DECLARE_TR_FUNCTIONS(CardQueries)

public:
    static QVector<Command> commands();

private:
    static int list(const Invocation &call);
    static int search(const Invocation &call);
    static int show(const Invocation &call);
    static int templates(const Invocation &call);
};

// add, edit: making and changing cards.
class CardEdits
{
    Q_DECLARE_TR_FUNCTIONS(CardEdits)

public:
    static QVector<Command> commands();

private:
    // The card the command line describes, made from its template; none after reporting why not.
    static std::unique_ptr<Card> newCard(const Invocation &call);
    static int checkAdd(const Invocation &call);
    static int add(const Invocation &call);
    static int checkEdit(const Invocation &call);
    static int edit(const Invocation &call);
};

// rm, restore, purge: the trash.
class TrashCommands
{
    Q_DECLARE_TR_FUNCTIONS(TrashCommands)

public:
    static QVector<Command> commands();

private:
    static int remove(const Invocation &call);
    static int restore(const Invocation &call);
    static int purge(const Invocation &call);
    // Applies change to the card in scope the command line names, or with no card when it names none
    // (as purge may), meaning the whole trash.
    static int changeTrash(const Invocation &call, CardSelector::Scope scope,
                           const std::function<bool(CardDb &, const CardListEntry *)> &change);
};

// import, export: cards in from other programs and out to scripts.
class TransferCommands
{
    Q_DECLARE_TR_FUNCTIONS(TransferCommands)

public:
    static QVector<Command> commands();

private:
    static int checkImport(const Invocation &call);
    static int importFile(const Invocation &call);
    static int checkExport(const Invocation &call);
    static int exportCards(const Invocation &call);
};

// merge, sync: the two-way merge of a wallet with another copy of it, such as one that a file-syncing
// tool keeps in a shared folder. Both files end up holding the merged cards, each under its own
// password; sync takes in the tool's conflict copies of the other copy as well.
class MergeCommand
{
    Q_DECLARE_TR_FUNCTIONS(MergeCommand)

public:
    static QVector<Command> commands();

private:
    // OTHER: not WALLET, a wallet that can be changed, or a new file in a folder that exists.
    static int checkOther(const Invocation &call);
    static int mergeWith(const Invocation &call, bool withConflictCopies);
};

// sync WALLET URL: the wallet and its copy on a WebDAV server, through the sync command's entry.
class ServerSyncCommand
{
    Q_DECLARE_TR_FUNCTIONS(ServerSyncCommand)

public:
    static bool isServer(const QString &other);
    static QList<QCommandLineOption> options();
    static int check(const Invocation &call);
    static int run(const Invocation &call);
};

// totp: the current one-time code of a card, for signing in from a terminal or a script.
class OtpCommand
{
    Q_DECLARE_TR_FUNCTIONS(OtpCommand)

public:
    static QVector<Command> commands();

private:
    static int checkTime(const Invocation &call);
    static int totp(const Invocation &call);
};

// generate, health: making passwords and judging the wallet's.
class PasswordCommands
{
    Q_DECLARE_TR_FUNCTIONS(PasswordCommands)

public:
    static QVector<Command> commands();

private:
    static int generate(const Invocation &call);
    static int health(const Invocation &call);
};

// backups, restore-backup: the copies kept of a wallet before it is rewritten, and putting one back.
class BackupCommands
{
    Q_DECLARE_TR_FUNCTIONS(BackupCommands)

public:
    static QVector<Command> commands();

private:
    static int list(const Invocation &call);
    static int checkBackup(const Invocation &call);
    static int restore(const Invocation &call);
};

// batch: commands on one wallet unlocked once, one per line of standard input, for scripts that would
// otherwise pay for the unlocking on every command.
class BatchCommand
{
    Q_DECLARE_TR_FUNCTIONS(BatchCommand)

public:
    static QVector<Command> commands();

private:
    static int run(const Invocation &call);
};
