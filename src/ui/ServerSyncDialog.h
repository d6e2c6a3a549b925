#pragma once

#include <QDialog>
#include <QUrl>

#include <memory>

namespace Ui {
class ServerSyncDialog;
}

// Tools > Sync With Server…: the address of the wallet's copy on a WebDAV server, the user name and the
// app password. Says where the password is kept.
class ServerSyncDialog : public QDialog
{
    Q_OBJECT

public:
    ServerSyncDialog(const QUrl &url, const QString &user, const QString &keyringNote, QWidget *parent = nullptr);
    ~ServerSyncDialog() override;

    QUrl url() const;
    QString user() const;
    // Empty when the user left the field empty: the one kept stays.
    QString password() const;

private:
    const std::unique_ptr<Ui::ServerSyncDialog> m_ui;
};
