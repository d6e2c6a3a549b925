#include "ui/ToolCommands.h"

#include "model/Clock.h"
#include "password/PasswordHealth.h"
#include "session/CloudSignIn.h"
#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/CardListPane.h"
#include "ui/DropboxSyncDialog.h"
#include "ui/ManualViewer.h"
#include "ui/MessageBox.h"
#include "ui/PasswordGeneratorDialog.h"
#include "ui/PasswordHealthDialog.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

ToolCommands::ToolCommands(WalletSession &session, QSettings &settings, CardListPane *list, QWidget *window)
    : QObject(window)
    , m_session(session)
    , m_settings(settings)
    , m_list(list)
    , m_window(window)
{
    CloudSignIn::moveFromSettings(settings);
}

void ToolCommands::passwordGenerator()
{
    auto *dialog = new PasswordGeneratorDialog(PasswordGeneratorDialog::Standalone, m_window);
    connect(dialog, &PasswordGeneratorDialog::copyRequested, this, &ToolCommands::copyRequested);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void ToolCommands::passwordHealth()
{
    if (!m_session.isUnlocked())
        return;
    QVector<PasswordHealth::Finding> findings;
    WalletError error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool checked = m_session.read([&](CardDb &store) {
        const auto cards = store.allCards();
        if (cards)
            findings = PasswordHealth::check(*cards, Clock::nowUtc());
        error = store.lastError();
        return cards.has_value();
    });
    QApplication::restoreOverrideCursor();
    if (!checked) {
        MessageBox::storeError(m_window, tr("The passwords could not be checked."), error);
        return;
    }
    auto *dialog = new PasswordHealthDialog(findings, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &PasswordHealthDialog::cardChosen, m_list, &CardListPane::selectCard);
    dialog->open();
}

void ToolCommands::cloudSync()
{
    auto *dialog = new DropboxSyncDialog(m_session, m_cloudHosts, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
}

void ToolCommands::forgetCloudSignIn()
{
    CloudSignIn::forget();
}

void ToolCommands::manual()
{
    if (auto *open = m_window->findChild<ManualViewer *>(); open && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    QStringList places;
    const QString path = ManualViewer::find(&places);
    if (path.isEmpty()) {
        MessageBox::critical(m_window, tr("Manual"),
                             tr("The manual is not installed. It was looked for in:\n%1")
                                 .arg(QDir::toNativeSeparators(places.join(QLatin1Char('\n')))));
        return;
    }
    auto *viewer = new ManualViewer(path, m_window);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->show();
}

void ToolCommands::about()
{
    auto *box = new QMessageBox(m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setIconPixmap(QPixmap(QStringLiteral(":images/tessera.png")));
    box->setWindowTitle(tr("About Tessera"));
    box->setText(tr("Tessera %1                        ").arg(QCoreApplication::applicationVersion()));
    box->setInformativeText(tr("<p>A password wallet for one person.</p>"
                               "<p>Copyright &copy; Corvale Software Systems.</p>"));
    box->setStandardButtons(QMessageBox::Close);
    box->setDefaultButton(QMessageBox::Close);
    MessageBox::open(box);
}
