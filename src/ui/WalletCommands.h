#pragma once

#include <QObject>
#include <QString>

class QSettings;
class QWidget;
class WalletSession;

// The commands on wallet files: open, create, save a copy, change the password, import into and
// export from the open wallet. It remembers the folders the user last opened and saved in.
class WalletCommands : public QObject
{
    Q_OBJECT

public:
    enum class ImportFormat { KeePassX, KeePass, PasswordSafe };

    WalletCommands(WalletSession &session, QWidget *window);

    void loadSettings(const QSettings &settings);
    void saveSettings(QSettings &settings) const;

public slots:
    void open();
    // Asks for the password of the wallet at path, after making sure it is one this program can open.
    void openFile(const QString &path);
    void create();
    void saveCopy();
    void changePassword();
    void exportCards();
    void importCards(ImportFormat format);

private:
    void createWithPassword(const QString &password);
    // Asks where to save; empty when the user cancelled or the folder cannot be written.
    QString chooseSavePath(const QString &caption, const QString &errorText);
    void showError(const QString &title, const QString &text);

    WalletSession &m_session;
    QWidget *const m_window;
    QString m_openFolder;
    QString m_saveFolder;
};
