#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QVector>

class WalletSession;

// The rows of the card list in the store's order: id, icon and title of every live card (or of every
// card in the trash, greyed), read from the clear columns so that listing needs no decryption.
// Sorting and filtering are a proxy's job.
class CardListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // The live cards of the session's wallet, or the trashed ones; none gives an empty list.
    CardListModel(WalletSession *session, bool trash, QObject *parent = nullptr);
    // False when the list could not be read (the list is empty then, and the session says why).
    bool isReadable() const { return m_readable; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    int cardId(const QModelIndex &index) const;
    // The row of a card, or an invalid index when the list does not hold it.
    QModelIndex indexOf(int cardid) const;

public slots:
    QModelIndex addCard(int cardid);
    void removeCard(int cardid);
    QModelIndex updateCard(int cardid);

private:
    struct CardEntry
    {
        int id;
        int iconId;
        QString title;
    };

    WalletSession *const m_session;
    QVector<CardEntry> m_entries;
    const bool m_trash;
    bool m_readable = true;
};
