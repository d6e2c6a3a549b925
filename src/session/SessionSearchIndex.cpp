#include "session/SessionSearchIndex.h"

#include "session/WalletSession.h"
#include "store/CardDb.h"

#include <QFutureWatcher>

SessionSearchIndex::SessionSearchIndex(WalletSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    connect(&session, &WalletSession::closing, this, [this] {
        if (m_stop)
            *m_stop = true;
    });
}

SessionSearchIndex::~SessionSearchIndex()
{
    clear();
}

void SessionSearchIndex::rebuild(bool trashed)
{
    // The index as it was answers until the new one is built.
    forgetBuild();
    // Shared with the worker, so that a build forgotten by clear() is wiped by whichever lets go last.
    auto built = std::make_shared<SearchIndex>();
    m_build = new QFutureWatcher<bool>(this);
    connect(m_build, &QFutureWatcher<bool>::finished, this, [this, built] { takeBuilt(*built); });
    m_stop = std::make_shared<std::atomic_bool>(false);
    m_build->setFuture(m_session.readInBackground(
        [built, trashed, stop = m_stop](CardDb &store) { return built->rebuild(store, trashed, stop.get()); }));
}

void SessionSearchIndex::takeBuilt(SearchIndex &built)
{
    m_build->deleteLater();
    m_build = nullptr;
    m_index = std::move(built);
    for (auto it = m_changedMeanwhile.constBegin(); it != m_changedMeanwhile.constEnd(); ++it) {
        if (it.value())
            update(it.key());
        else
            remove(it.key());
    }
    m_changedMeanwhile.clear();
    emit ready();
}

void SessionSearchIndex::update(int id)
{
    if (m_build)
        m_changedMeanwhile.insert(id, true);
    m_session.read([this, id](CardDb &store) {
        m_index.update(store, id);
        return true;
    });
}

void SessionSearchIndex::remove(int id)
{
    if (m_build)
        m_changedMeanwhile.insert(id, false);
    m_index.remove(id);
}

void SessionSearchIndex::clear()
{
    forgetBuild();
    m_index.clear();
}

void SessionSearchIndex::forgetBuild()
{
    if (m_stop)
        *m_stop = true;
    delete m_build;
    m_build = nullptr;
    m_changedMeanwhile.clear();
}
