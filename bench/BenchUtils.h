#pragma once

#include "model/Card.h"
#include "store/NewWalletOptions.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTextStream>

#include <memory>

class CardDb;

// Prints one figure of the benchmark: what was measured, for how many cards, in milliseconds.
inline void report(const QString &what, int cards, double milliseconds)
{
    QTextStream(stdout) << QStringLiteral("%1 %2 %3 ms\n")
                               .arg(what, -44)
                               .arg(QStringLiteral("%1 cards").arg(cards), 12)
                               .arg(milliseconds, 10, 'f', 2);
}

// Resets the peak resident size the kernel keeps for this process, so that it tells one step's peak.
inline void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// A size from /proc/self/status ("VmRSS", "VmHWM") in megabytes.
inline double memoryMb(const QByteArray &name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

inline double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// A realistic login card with a unique identity and title.
std::unique_ptr<Card> benchCard(int index);
// Adds that many bench cards in one transaction.
void addBenchCards(CardDb &store, int cards);

// A wallet of either format: version 3 with its default key derivation, so that opening includes it.
void runStoreBench(const QString &folder, int cards, const NewWalletOptions &options);

// Imports a generated export of each foreign format into a fresh wallet.
void runImportBench(const QString &folder, int entries);
// Two copies of a wallet merged: `shared` cards pair by identity, `unmatched` ones by content.
void runSyncBench(const QString &folder, int shared, int unmatched);
// Writes every card in each export format, with the time and the peak memory of each.
void runExportBench(const QString &folder, int cards);
// Two copies of one wallet after each side edited 1% of the cards and added 1% more, merged.
void runDivergedSyncBench(const QString &folder, int cards);
// Builds the search index of a wallet, times single keystrokes' searches and a password health check.
void runSearchBench(const QString &folder, int cards);
// Sorts the window's card list and times the keystrokes that narrow it and clear its search.
void runCardListBench(const QString &folder, int cards);
