#pragma once

#include "app/MainWindow.h"
#include "common/GuiTestUtils.h"
#include "model/Card.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/DetailView.h"

#include "ui/CardListView.h"
#include <QAction>
#include <QTemporaryDir>

#include <memory>

// The main window as the GUI suites drive it, with settings and wallets in folders of the test's own.
// A suite derives from it beside QObject and finds the window's parts by their names.
class MainWindowFixture
{
protected:
    MainWindowFixture() { isolateSettings(m_settingsDir); }

    QString newPath() { return m_dir.filePath(QStringLiteral("wallet%1.tessera").arg(++m_serial)); }

    // A shown window with no wallet open, on a session of its own.
    MainWindow &openWindow()
    {
        m_window.reset();
        m_session = std::make_unique<WalletSession>();
        m_window = std::make_unique<MainWindow>(*m_session);
        m_window->show();
        return *m_window;
    }

    // A shown window on a new empty wallet, m_path, unlocked with password.
    void openNewWallet(const QString &password = QStringLiteral("pw"))
    {
        m_path = newPath();
        m_password = password;
        QVERIFY(CardDb::create(m_path, password));
        openWindow();
        QVERIFY(session().unlock(m_path, password));
    }

    // Stores a card as another program would, and has the session notice it at once, as it does when the
    // file changes on disk. Gives the card's id.
    int storeCard(Card &card)
    {
        const auto otherProgram = CardDb::open(m_path, m_password);
        const int id = otherProgram->addCard(card) ? otherProgram->cardIdForUuid(card.uuid()) : -1;
        session().noticeOutsideChanges();
        return id;
    }

    WalletSession &session() const { return *m_session; }
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QString::fromLatin1(name)); }
    CardListView *listView() const { return m_window->findChild<CardListView *>(QStringLiteral("listView")); }
    DetailView *detailView() const { return m_window->findChild<DetailView *>(QStringLiteral("detailView")); }

    QStringList listedTitles() const
    {
        QStringList titles;
        const QAbstractItemModel *model = listView()->model();
        for (int row = 0; model && row < model->rowCount(); ++row)
            titles << model->index(row, 0).data().toString();
        return titles;
    }

    void selectTitle(const QString &title)
    {
        const QAbstractItemModel *model = listView()->model();
        const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, title, 1, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        listView()->setCurrentIndex(found.first());
    }

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_dir;
    std::unique_ptr<WalletSession> m_session;
    std::unique_ptr<MainWindow> m_window;
    QString m_path;
    QString m_password;
    int m_serial = 0;
};
