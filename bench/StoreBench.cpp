#include "BenchUtils.h"

#include "model/TextUtils.h"
#include "store/CardDb.h"
#include "store/WalletBackups.h"

#include <QDir>

std::unique_ptr<Card> benchCard(int index)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(1330000000 + index);
    auto card = std::make_unique<Card>(newUuid(), time, QStringLiteral("login.default"), 21,
                                       QStringLiteral("Account %1").arg(index),
                                       QStringLiteral("Notes of card %1").arg(index));
    card->addField(0, time, QStringLiteral("Username"), QStringLiteral("user%1@example.com").arg(index), 11, false);
    card->addField(1, time, QStringLiteral("Password"), QStringLiteral("correct-horse-%1").arg(index), 1, true);
    card->addField(2, time, QStringLiteral("E-Mail"), QString(), 5, false);
    card->addField(3, time, QStringLiteral("Url"), QStringLiteral("www.site%1.example").arg(index), 6, false);
    return card;
}

void addBenchCards(CardDb &store, int cards)
{
    CardDbTransaction transaction(store);
    for (int i = 0; i < cards; ++i)
        store.addCard(*benchCard(i));
    if (!transaction.commit())
        qFatal("the bench wallet could not be written");
}

void runStoreBench(const QString &folder, int cards, const NewWalletOptions &options)
{
    const bool hardened = options.format == NewWalletOptions::Hardened;
    const QString path = QDir(folder).filePath(QStringLiteral("store-%1-v%2.tessera").arg(cards).arg(hardened ? 3 : 2));
    const WalletCredentials credentials{QStringLiteral("bench"), QByteArray()};
    const QString format = hardened ? QStringLiteral(" (v3)") : QString();
    QElapsedTimer timer;

    timer.start();
    addBenchCards(*CardDb::create(path, credentials, options), cards);
    report(QStringLiteral("create and add every card") + format, cards, elapsedMs(timer));

    timer.restart();
    auto store = CardDb::open(path, credentials);
    const double opened = elapsedMs(timer);
    int listed = store->cardList()->size();
    const double openedAndListed = elapsedMs(timer);
    report(QStringLiteral("open (key derivation included)") + format, cards, opened);
    report(QStringLiteral("open and walk the card list") + format, listed, openedAndListed);

    timer.restart();
    listed = store->cardList()->size();
    report(QStringLiteral("walk the card list") + format, listed, elapsedMs(timer));

    timer.restart();
    int read = 0;
    const QVector<CardListEntry> entries = store->cardList().value_or(QVector<CardListEntry>());
    for (const CardListEntry &entry : entries)
        read += store->card(entry.id) ? 1 : 0;
    report(QStringLiteral("read and decrypt every card") + format, read, elapsedMs(timer));

    auto extra = benchCard(cards);
    timer.restart();
    store->addCard(*extra);
    report(QStringLiteral("add one card") + format, cards, elapsedMs(timer));

    timer.restart();
    const bool rekeyed = store->changePassword(QStringLiteral("bench"), QStringLiteral("bench again"));
    report(QStringLiteral("change the password") + format, cards, elapsedMs(timer));
    if (!rekeyed)
        qFatal("the password change failed");

    // What passwd does: a backup first, then the new password.
    timer.restart();
    const bool kept = !WalletBackups::keep(*store).isError();
    const double backedUp = elapsedMs(timer);
    const bool changed = store->changePassword(QStringLiteral("bench again"), QStringLiteral("bench"));
    report(QStringLiteral("keep a backup") + format, cards, backedUp);
    report(QStringLiteral("passwd: backup and new password") + format, cards, elapsedMs(timer));
    if (!kept || !changed)
        qFatal("the backup or the second password change failed");

    timer.restart();
    const int backups = WalletBackups::list(path).size();
    report(QStringLiteral("list the backups") + format, backups, elapsedMs(timer));
}
