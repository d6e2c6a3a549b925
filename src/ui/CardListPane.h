#pragma once

#include <QModelIndex>
#include <QWidget>

#include <memory>

namespace Ui {
class CardListPane;
}
class CardFilterProxy;
class QLabel;
class CardListModel;
class SessionSearchIndex;
class WalletSession;

// The left pane: a search field over the list of cards, sorted by title. The pane keeps the search index
// of the open wallet: the session tells it of every card added, changed or removed, and the list and
// the index change with it.
class CardListPane : public QWidget
{
    Q_OBJECT

public:
    explicit CardListPane(QWidget *parent = nullptr);
    ~CardListPane() override;

    // Rebuilds the list and the search index from the open wallet (after opening it or an import).
    // False when the list could not be read; the session says why.
    bool reload();
    // Drops the list and the search text and wipes the search index (after closing or locking the wallet).
    void clear();
    // The open wallet whose cards the pane lists.
    void setSession(WalletSession *session);
    // Lists the cards in the trash instead of the live ones, under a banner that says so.
    void showTrash(bool trash);
    bool showsTrash() const { return m_trash; }

signals:
    void cardSelected(int cardid);
    // A value to copy, and what it is.
    void copyRequested(const QString &value, const QString &what);

public slots:
    // Selects a card the list holds, clearing a search that hides it; does nothing otherwise.
    void selectCard(int cardid);
    void focusSearch();

private:
    void handleSelection(const QModelIndex &index);
    // What the session did to a card.
    void addCard(int cardid);
    void updateCard(int cardid);
    void removedCard(int cardid);
    void dropList();
    void select(const QModelIndex &sourceIndex);
    void applyFilter(const QString &text);
    // While searching, how many cards match, or a page that says none does.
    void showMatches();
    void enterList();
    // Enter in the search field: the password of the selected card, or of the first one listed.
    void copyPassword();

    const std::unique_ptr<Ui::CardListPane> m_ui;
    SessionSearchIndex *m_index = nullptr;
    CardListModel *m_model = nullptr;
    CardFilterProxy *m_proxy = nullptr;
    WalletSession *m_session = nullptr;
    QLabel *m_trashBanner = nullptr;
    bool m_trash = false;
};
