#pragma once

#include <QObject>

#include <functional>
#include <memory>

class Card;
class QAction;
class QAbstractItemView;
class QMenu;
class QWidget;

// The keyboard's and the card list's way to the shown card: copy its user name (Ctrl+B), its password
// (Ctrl+C while the list has focus) or its address (Ctrl+U), open the address (Ctrl+Shift+U), and edit
// it with Enter or a double click in the list. The list's context menu (Shift+F10 or the menu key) offers
// the same.
class CardShortcuts : public QObject
{
    Q_OBJECT

public:
    using CardSource = std::function<std::unique_ptr<Card>()>;

    // The new actions join the window and the end of cardMenu; the context menu shows cardActions
    // (edit, duplicate, delete) first.
    CardShortcuts(QWidget *window, QAbstractItemView *list, QMenu *cardMenu, const QList<QAction *> &cardActions,
                  CardSource shownCard);

    // The copy and open actions work only while a card of an unlocked wallet is shown.
    void setCardShown(bool shown);

signals:
    // A value to copy and what it is; the window's clipboard guard takes it there.
    void copyRequested(const QString &value, const QString &what);

private:
    QAction *addAction(const QString &text, const QKeySequence &keys, void (CardShortcuts::*slot)());
    // The first filled value among the fields of the first type that has one.
    QString firstValue(std::initializer_list<int> fieldTypes) const;
    void copyUserName();
    void copyPassword();
    void copyUrl();
    void openUrl();
    void showContextMenu(const QPoint &at);

    QWidget *m_window;
    QAbstractItemView *m_list;
    QMenu *m_cardMenu;
    QMenu *m_contextMenu;
    CardSource m_shownCard;
    QList<QAction *> m_valueActions;
};
