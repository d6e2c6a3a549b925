#pragma once

#include <QObject>

#include <functional>

class CardDb;
class DetailView;
class QWidget;
class CardListPane;

// The trash as the window shows it: switches the card panes between the live cards and the trashed
// ones, and restores, deletes for ever and empties, asking first where nothing can undo it.
class TrashController : public QObject
{
    Q_OBJECT

public:
    using StoreAccess = std::function<CardDb *()>;

    TrashController(CardListPane *list, DetailView *detail, StoreAccess store, QWidget *window);

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
    void confirm(const QString &title, const QString &text, const QString &button, void (TrashController::*action)());
    void showError(const QString &text);

    CardListPane *const m_list;
    DetailView *const m_detail;
    const StoreAccess m_store;
    QWidget *const m_window;
};
