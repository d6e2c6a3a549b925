#pragma once

#include "search/SearchIndex.h"

#include <QHash>
#include <QObject>

#include <atomic>
#include <memory>

template<typename T> class QFutureWatcher;
class WalletSession;

// The search index of a session's wallet for a view that searches it. Reading and folding every card
// of a large wallet takes a while, so the index is built on a worker thread against a store of its own
// while the view already lists the cards; ready() says when it knows them all. Cards that change
// meanwhile are read again once it is built, so that it ends up as the wallet is.
class SessionSearchIndex : public QObject
{
    Q_OBJECT

public:
    explicit SessionSearchIndex(WalletSession &session, QObject *parent = nullptr);
    ~SessionSearchIndex() override;

    // What the searches look at: until ready(), the index as it was before, with the cards changed since.
    const SearchIndex &index() const { return m_index; }
    bool isReady() const { return !m_build; }

    // Starts reading anew every live card of the wallet, or with trashed set every card in the trash.
    void rebuild(bool trashed);
    // A card added or changed, or one that left the cards indexed.
    void update(int id);
    void remove(int id);
    // Wipes the index and forgets a build under way (after the wallet closed or locked).
    void clear();

signals:
    void ready();

private:
    void takeBuilt(SearchIndex &built);
    void forgetBuild();

    WalletSession &m_session;
    SearchIndex m_index;
    QFutureWatcher<bool> *m_build = nullptr;
    // Set to end the build early: a lock waits for it.
    std::shared_ptr<std::atomic_bool> m_stop;
    // The cards changed while the index was being built: true for changed, false for removed.
    QHash<int, bool> m_changedMeanwhile;
};
