#include "app/MainWindow.h"

#include "store/CardDb.h"

#include <QCloseEvent>
#include <QDir>
#include <QTimer>

namespace {
MainWindow *theInstance = nullptr;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    theInstance = this;
    setObjectName(QStringLiteral("MainWindow"));
    resize(800, 600);
    setWindowTitle(tr("Tessera"));
    updateActions();
    loadSettings();
    QTimer::singleShot(0, this, &MainWindow::tryOpenLastDatabase);
}

MainWindow::~MainWindow()
{
    if (theInstance == this)
        theInstance = nullptr;
}

MainWindow *MainWindow::instance()
{
    return theInstance;
}

CardDb *MainWindow::database()
{
    return theInstance ? theInstance->m_store.get() : nullptr;
}

void MainWindow::refreshActions()
{
    if (theInstance)
        theInstance->updateActions();
}

void MainWindow::loadSettings()
{
    restoreGeometry(m_settings.value(QStringLiteral("geometry")).toByteArray());
    m_openLastDatabase = m_settings.value(QStringLiteral("openLastDatabase"), false).toBool();
    m_lastDatabase = m_settings.value(QStringLiteral("lastDatabase")).toString();
    m_openFilePath = m_settings.value(QStringLiteral("openFilePath"), QDir::homePath()).toString();
    m_saveFilePath = m_settings.value(QStringLiteral("saveFilePath"), QDir::homePath()).toString();
}

void MainWindow::saveSettings()
{
    m_settings.setValue(QStringLiteral("geometry"), saveGeometry());
    m_settings.setValue(QStringLiteral("openLastDatabase"), m_openLastDatabase);
    m_settings.setValue(QStringLiteral("lastDatabase"), m_currentPath);
    m_settings.setValue(QStringLiteral("openFilePath"), m_openFilePath);
    m_settings.setValue(QStringLiteral("saveFilePath"), m_saveFilePath);
}

void MainWindow::saveDropboxKeys(const QString &key, const QString &secret)
{
    m_settings.setValue(QStringLiteral("accessKey"), key);
    m_settings.setValue(QStringLiteral("accessSecret"), secret);
    m_settings.sync();
}

bool MainWindow::loadDropboxKeys(QString &key, QString &secret)
{
    key = m_settings.value(QStringLiteral("accessKey")).toString();
    secret = m_settings.value(QStringLiteral("accessSecret")).toString();
    return !key.isEmpty();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    saveSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::tryOpenLastDatabase()
{
}

void MainWindow::updateActions()
{
}

void MainWindow::on_actionClearDropboxSettings_triggered()
{
    saveDropboxKeys(QString(), QString());
}
