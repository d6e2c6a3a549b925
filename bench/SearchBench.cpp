#include "BenchUtils.h"

#include "model/BuiltinCatalog.h"
#include "password/PasswordHealth.h"
#include "search/SearchIndex.h"
#include "store/CardDb.h"

#include <QDir>

namespace {

// The mean of several runs of one search over the whole index, as one keystroke in the window runs it.
double keystrokeMs(const SearchIndex &index, const QString &typed, int *found)
{
    constexpr int runs = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        *found = index.find(SearchQuery(typed)).size();
    return elapsedMs(timer) / runs;
}

} // namespace

void runSearchBench(const QString &folder, int cards)
{
    const QString path = QDir(folder).filePath(QStringLiteral("search-%1.tessera").arg(cards));
    auto store = CardDb::openOrCreate(path, QStringLiteral("bench"));
    addBenchCards(*store, cards);

    QElapsedTimer timer;
    timer.start();
    const std::vector<StoredCard> rows = store->allCards().value_or(std::vector<StoredCard>());
    report(QStringLiteral("search: read and decrypt every card"), int(rows.size()), elapsedMs(timer));

    timer.restart();
    int walked = 0;
    store->forEachCard([&walked](const StoredCard &) { return ++walked; }, CardDb::LiveCards);
    report(QStringLiteral("search: read every card one at a time"), walked, elapsedMs(timer));

    SearchIndex index;
    timer.restart();
    index.rebuild(*store);
    report(QStringLiteral("search: build the index (reading included)"), index.size(), elapsedMs(timer));

    for (const QString &typed : {QStringLiteral("a"), QStringLiteral("account"), QStringLiteral("site42 user42"),
                                 QStringLiteral("\"notes of card 9999\""), QStringLiteral("nowhere")}) {
        int found = 0;
        const double ms = keystrokeMs(index, typed, &found);
        report(QStringLiteral("search %1: %2 found").arg(typed).arg(found), cards, ms);
    }

    timer.restart();
    index.update(*store, rows.front().id);
    report(QStringLiteral("search: index one changed card"), cards, elapsedMs(timer));

    timer.restart();
    const int findings = PasswordHealth::check(rows, QDateTime::currentDateTimeUtc()).size();
    report(QStringLiteral("password health (%1 findings)").arg(findings), cards, elapsedMs(timer));
}
