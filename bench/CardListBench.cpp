#include "BenchUtils.h"

#include "search/SearchIndex.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/CardFilterProxy.h"
#include "ui/CardListModel.h"

#include <QDir>

namespace {

// A search as the list view meets it: its rows counted and a screenful of titles read.
void search(CardFilterProxy &shown, const QString &typed)
{
    shown.setQuery(SearchQuery(typed));
    for (int row = 0; row < std::min(shown.rowCount(), 40); ++row)
        shown.index(row, 0).data();
}

// The mean time of one search, each run starting from the same search.
double typedMs(CardFilterProxy &shown, const QString &before, const QString &typed)
{
    constexpr int runs = 3;
    double total = 0;
    for (int i = 0; i < runs; ++i) {
        search(shown, before);
        QElapsedTimer timer;
        timer.start();
        search(shown, typed);
        total += elapsedMs(timer);
    }
    return total / runs;
}

} // namespace

void runCardListBench(const QString &folder, int cards)
{
    const QString path = QDir(folder).filePath(QStringLiteral("list-%1.tessera").arg(cards));
    addBenchCards(*CardDb::openOrCreate(path, QStringLiteral("bench")), cards);
    WalletSession session;
    if (!session.unlock(path, QStringLiteral("bench")))
        qFatal("the bench wallet could not be opened");

    SearchIndex index;
    session.read([&index](CardDb &store) { return index.rebuild(store); });
    CardListModel model(&session, false);
    QElapsedTimer timer;
    timer.start();
    CardFilterProxy shown(&model, index);
    report(QStringLiteral("sort the card list (window model)"), cards, elapsedMs(timer));

    // Cards whose number holds a 7 are scattered all over the sorted list.
    const double narrowing = typedMs(shown, QString(), QStringLiteral("7"));
    report(QStringLiteral("search keystroke narrowing (window model)"), shown.rowCount(), narrowing);
    const double cleared = typedMs(shown, QStringLiteral("7"), QString());
    report(QStringLiteral("clear the search (window model)"), cards, cleared);
    timer.restart();
    shown.sort(CardFilterProxy::UserName, Qt::AscendingOrder);
    report(QStringLiteral("sort the card list by user name (window model)"), cards, elapsedMs(timer));
}
