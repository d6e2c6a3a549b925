#pragma once

#include <QObject>

#include <memory>

class Card;
class DetailView;
class WalletSession;
class QWidget;

// The commands on the cards of the open wallet: add one from a template, edit, duplicate, set up a
// one-time code, and delete into the trash. Each writes through the session, which tells the panes.
class CardCommands : public QObject
{
    Q_OBJECT

public:
    // Dialogs open over window; pane is the window's detail pane, whose card the commands work on.
    CardCommands(WalletSession &session, DetailView *pane, QWidget *window);
    ~CardCommands() override;

    // Forgets the card an open editor started from (the wallet locks and the editor is cancelled).
    void forgetEdit();

public slots:
    void add();
    void edit();
    void duplicate();
    void setUpOneTimeCode();
    void deleteShown();

signals:
    void copyRequested(const QString &value, const QString &what);

private:
    std::unique_ptr<Card> shownCard() const;
    void addFromTemplate(const QString &templateType);
    void openEditor(std::unique_ptr<Card> card, void (CardCommands::*receiver)(Card *));
    void added(Card *card);
    void edited(Card *card);
    void setOneTimeCode(const QString &uri);
    void trashShown();
    // Writes the card through the session and shows it, or says why it could not be saved.
    void save(Card &card);

    WalletSession &m_session;
    DetailView *const m_pane;
    QWidget *const m_window;
    // The card as the editor started from it, so that only what the user changed is written.
    std::unique_ptr<Card> m_editBase;
};
