#pragma once

#include "sync/DropboxClient.h"

#include <QObject>

class QSettings;
class QWidget;
class CardListPane;
class WalletSession;

// The Tools menu: the password generator, the password health report, the cloud sync and forgetting
// its sign-in, and the Help menu: the manual and About.
class ToolCommands : public QObject
{
    Q_OBJECT

public:
    ToolCommands(WalletSession &session, QSettings &settings, CardListPane *list, QWidget *window);

    // Where the cloud sync connects (tests point it at a local server).
    void setCloudHosts(const DropboxHosts &hosts) { m_cloudHosts = hosts; }

public slots:
    void passwordGenerator();
    void passwordHealth();
    void cloudSync();
    void forgetCloudSignIn();
    void manual();
    void about();

signals:
    void copyRequested(const QString &value, const QString &what);

private:
    WalletSession &m_session;
    QSettings &m_settings;
    CardListPane *const m_list;
    QWidget *const m_window;
    DropboxHosts m_cloudHosts = DropboxHosts::service();
};
