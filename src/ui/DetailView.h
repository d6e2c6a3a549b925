#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DetailView;
}
class Field;
class WalletSession;
class QFrame;
class QWidget;

// The right pane: the selected card's icon and title, its filled fields grouped into rounded frames
// (a separator field starts a new group) and its notes.
class DetailView : public QWidget
{
    Q_OBJECT

public:
    explicit DetailView(QWidget *parent = nullptr);
    ~DetailView() override;

    // The cards shown are in the trash: a banner says so and offers to restore or delete the card.
    void setTrashMode(bool trash);
    bool isTrashMode() const { return m_trash; }

    int cardId() const { return m_cardId; }
    QString cardUuid() const { return m_cardUuid; }
    bool hasCard() const { return m_cardId != -1; }
    QString cardTitle() const;
    // Whether the card shown has a valid one-time code, and copying the first one shown.
    bool hasOneTimeCode() const;
    bool copyOneTimeCode();

    // The open wallet whose cards the pane shows; none shows nothing. A card rewritten through it is
    // shown as it is now.
    void setSession(WalletSession *session);

signals:
    // A value to copy, and the label of its field.
    void copyRequested(const QString &value, const QString &label);
    // Another card (or none) is shown.
    void cardShown(int cardid);

public slots:
    void displayCard(int cardid);

signals:
    void restoreRequested();
    void deleteForeverRequested();

private:
    QFrame *addFrame(int n);
    void addSeparator(QFrame *frame);
    QFrame *addNoteFrame(const QString &notes, int n);
    void addFieldRow(const Field &field, QFrame *frame);

    const std::unique_ptr<Ui::DetailView> m_ui;
    QList<QFrame *> m_frames;
    QWidget *m_trashBanner = nullptr;
    int m_cardId = -1;
    QString m_cardUuid;
    WalletSession *m_session = nullptr;
    bool m_trash = false;
};
