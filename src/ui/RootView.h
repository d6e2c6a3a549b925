#pragma once

#include <QModelIndex>
#include <QWidget>

#include <memory>

namespace Ui {
class RootView;
}
class QSortFilterProxyModel;
class RootListModel;

// The left pane: a search field over the list of cards, sorted by title.
class RootView : public QWidget
{
    Q_OBJECT

public:
    explicit RootView(QWidget *parent = nullptr);
    ~RootView() override;

    // Rebuilds the list from the open store (after opening a wallet or an import).
    void reload();
    // Drops the list (after closing the wallet).
    void clear();

signals:
    void cardSelected(int cardid);

public slots:
    void handleSelection(const QModelIndex &index);
    void removedCard(int cardid);
    void addCard(int cardid);
    void updateCard(int cardid);
    // Selects a card the list holds; does nothing otherwise.
    void selectCard(int cardid);

private:
    void select(const QModelIndex &sourceIndex);
    void applyFilter(const QString &text);

    const std::unique_ptr<Ui::RootView> m_ui;
    RootListModel *m_model = nullptr;
    QSortFilterProxyModel *m_proxy = nullptr;
};
