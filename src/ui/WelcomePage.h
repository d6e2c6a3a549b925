#pragma once

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class RecentWallets;

// What the window shows while no wallet is open: create a wallet, open one, import from another
// password manager into a new one, or open one of the wallets opened last. A listed wallet that is no
// longer there is greyed and can be forgotten.
class WelcomePage : public QWidget
{
    Q_OBJECT

public:
    WelcomePage(RecentWallets &recent, QWidget *parent = nullptr);

signals:
    void createRequested();
    void openRequested();
    void openFileRequested(const QString &path);
    void importRequested();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();
    void activate(QListWidgetItem *item);
    void forgetCurrent();
    void updateForgetButton();

    RecentWallets &m_recent;
    QListWidget *m_list;
    QPushButton *m_forget;
};
