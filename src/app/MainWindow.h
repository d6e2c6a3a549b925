#pragma once

#include <QMainWindow>
#include <QSettings>

#include <memory>

class CardDb;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static MainWindow *instance();
    static CardDb *database();
    static void refreshActions();

    void loadSettings();
    void saveSettings();
    void saveDropboxKeys(const QString &key, const QString &secret);
    bool loadDropboxKeys(QString &key, QString &secret);
    bool openLastDatabase() const { return m_openLastDatabase; }
    void setOpenLastDatabase(bool open) { m_openLastDatabase = open; }
    QString currentPath() const { return m_currentPath; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void tryOpenLastDatabase();
    void updateActions();
    void on_actionClearDropboxSettings_triggered();

private:
    QString m_currentPath;
    std::unique_ptr<CardDb> m_store;
    QSettings m_settings;
    bool m_openLastDatabase = false;
    QString m_lastDatabase;
    QString m_openFilePath;
    QString m_saveFilePath;
};
