#include "ui/CardShortcuts.h"

#include "model/Card.h"
#include "model/FieldType.h"
#include "ui/FieldLabel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

CardShortcuts::CardShortcuts(QWidget *window, QAbstractItemView *list, QMenu *cardMenu,
                             const QList<QAction *> &cardActions, CardSource shownCard)
    : QObject(window)
    , m_window(window)
    , m_list(list)
    , m_cardMenu(cardMenu)
    , m_contextMenu(new QMenu(list))
    , m_shownCard(std::move(shownCard))
{
    QAction *edit = cardActions.value(0);
    // Enter belongs to the list alone: in the search field it does the search's own work.
    auto *enter = new QAction(edit->text(), list);
    enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setShortcutContext(Qt::WidgetShortcut);
    connect(enter, &QAction::triggered, edit, &QAction::trigger);
    list->addAction(enter);
    connect(list, &QAbstractItemView::doubleClicked, edit, &QAction::trigger);

    m_contextMenu->addActions(cardActions);
    m_contextMenu->addSeparator();
    cardMenu->addSeparator();
    addAction(tr("Copy User Name"), QKeySequence(Qt::CTRL | Qt::Key_B), &CardShortcuts::copyUserName);
    QAction *copyPassword = addAction(tr("Copy Password"), QKeySequence::Copy, &CardShortcuts::copyPassword);
    // Elsewhere Ctrl+C copies the selected text, as everywhere.
    copyPassword->setShortcutContext(Qt::WidgetShortcut);
    addAction(tr("Copy URL"), QKeySequence(Qt::CTRL | Qt::Key_U), &CardShortcuts::copyUrl);
    addAction(tr("Open URL"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U), &CardShortcuts::openUrl);

    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QWidget::customContextMenuRequested, this, &CardShortcuts::showContextMenu);
    auto *menuKey = new QAction(tr("Open the Context Menu"), list);
    menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    menuKey->setShortcutContext(Qt::WidgetShortcut);
    connect(menuKey, &QAction::triggered, this,
            [this] { showContextMenu(m_list->visualRect(m_list->currentIndex()).center()); });
    list->addAction(menuKey);
}

// At a point of the list's viewport, over a card.
void CardShortcuts::showContextMenu(const QPoint &at)
{
    if (m_list->indexAt(at).isValid())
        m_contextMenu->popup(m_list->viewport()->mapToGlobal(at));
}

QAction *CardShortcuts::addAction(const QString &text, const QKeySequence &keys, void (CardShortcuts::*slot)())
{
    auto *action = new QAction(text, m_window);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, slot);
    m_window->addAction(action);
    m_list->addAction(action);
    m_cardMenu->addAction(action);
    m_contextMenu->addAction(action);
    m_valueActions.append(action);
    return action;
}

void CardShortcuts::setCardShown(bool shown)
{
    for (QAction *action : qAsConst(m_valueActions))
        action->setEnabled(shown);
}

QString CardShortcuts::firstValue(std::initializer_list<int> fieldTypes) const
{
    const std::unique_ptr<Card> card = m_shownCard();
    if (!card)
        return QString();
    for (int type : fieldTypes) {
        for (const Field *field : card->fields()) {
            if (field->type() == type && !field->value().isEmpty())
                return field->value();
        }
    }
    return QString();
}

void CardShortcuts::copyUserName()
{
    const QString name = firstValue({FieldType::Username, FieldType::Email});
    if (!name.isEmpty())
        emit copyRequested(name, tr("User name"));
}

void CardShortcuts::copyPassword()
{
    const QString password = firstValue({FieldType::Password, FieldType::Pin});
    if (!password.isEmpty())
        emit copyRequested(password, tr("Password"));
}

void CardShortcuts::copyUrl()
{
    const QString url = firstValue({FieldType::Url});
    if (!url.isEmpty())
        emit copyRequested(url, tr("URL"));
}

void CardShortcuts::openUrl()
{
    const QUrl target = FieldLabel::linkFor(firstValue({FieldType::Url}), FieldType::Url);
    if (!target.isEmpty())
        QDesktopServices::openUrl(target);
}
