#pragma once

#include <QObject>

class DetailView;
class QWidget;
class CardListPane;
class WalletSession;

// The trash as the window shows it: switches the card panes between the live cards and the trashed
// ones, and restores, deletes for ever and empties through the session, asking first where nothing
// can undo it.
class TrashController : public QObject
{
    Q_OBJECT

public:
    TrashController(WalletSession &session, CardListPane *list, DetailView *detail, QWidget *window);

    bool isShown() const;
    // Whether a trashed card is shown that can be restored or deleted.
    bool hasCard() const;

public slots:
    void setShown(bool shown);
    void restoreCurrent();
    // Asks first.
    void deleteCurrentForever();
    // Asks first, with the number of cards in the trash.
    void emptyTrash();

signals:
    // The trash or its contents changed: the window's actions follow.
    void changed();

private:
    void purgeCurrent();
    void purgeAll();
    void showError(const QString &text);

    WalletSession &m_session;
    CardListPane *const m_list;
    DetailView *const m_detail;
    QWidget *const m_window;
};
