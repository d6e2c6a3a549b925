#include "ui/WalletSecurityDialog.h"

#include "session/WalletSession.h"
#include "store/CardDb.h"
#include "ui/MessageBox.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

WalletSecurityDialog::WalletSecurityDialog(WalletSession &session, const Argon2Settings &hardenedKdf, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_hardenedKdf(hardenedKdf)
    , m_format(new QLabel(this))
    , m_kdf(new QLabel(this))
    , m_keyFileRequired(new QLabel(this))
    , m_advice(new QLabel(this))
    , m_password(new QLineEdit(this))
    , m_convert(new QPushButton(this))
    , m_busy(new QProgressBar(this))
    , m_outcome(new QLabel(this))
{
    setWindowTitle(tr("Wallet Security"));
    m_format->setObjectName(QStringLiteral("format"));
    m_kdf->setObjectName(QStringLiteral("keyDerivation"));
    m_keyFileRequired->setObjectName(QStringLiteral("keyFileRequired"));
    m_advice->setWordWrap(true);
    m_password->setObjectName(QStringLiteral("convertPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_convert->setObjectName(QStringLiteral("convertButton"));
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->hide();
    m_outcome->setObjectName(QStringLiteral("outcome"));
    m_outcome->setWordWrap(true);
    m_outcome->hide();

    auto *facts = new QFormLayout;
    facts->addRow(tr("Format:"), m_format);
    facts->addRow(tr("Key derivation:"), m_kdf);
    facts->addRow(tr("Key file:"), m_keyFileRequired);
    auto *credentials = new QFormLayout;
    credentials->addRow(tr("Password:"), m_password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(facts);
    layout->addWidget(m_advice);
    layout->addLayout(credentials);
    layout->addWidget(m_convert, 0, Qt::AlignRight);
    layout->addWidget(m_busy);
    layout->addWidget(m_outcome);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_convert, &QPushButton::clicked, this, &WalletSecurityDialog::convert);
    connect(m_password, &QLineEdit::returnPressed, this, &WalletSecurityDialog::convert);
    connect(&m_session, &WalletSession::conversionDone, this, &WalletSecurityDialog::conversionDone);
    showWallet();
}

void WalletSecurityDialog::showWallet()
{
    const WalletInfo info = m_session.walletInfo();
    m_hardened = info.format == WalletFormat::hardenedVersion;
    if (m_hardened) {
        m_format->setText(tr("Hardened (version %1)").arg(info.format));
        m_kdf->setText(tr("Argon2id, %1 passes over %2 MiB").arg(info.iterations).arg(info.memoryMiB));
        m_advice->setText(
            info.keyFileRequired
                ? tr("The phone app cannot open this wallet. A wallet that requires a key file cannot be "
                     "converted to the phone app's format.")
                : tr("The phone app cannot open this wallet. Convert it only if the phone app must open the "
                     "file: its format is far weaker against a stolen copy."));
        m_convert->setText(tr("Convert to the Phone App's Format"));
    } else {
        m_format->setText(tr("Readable by the phone app (version %1)").arg(info.format));
        m_kdf->setText(tr("PBKDF2-SHA256, %1 iterations").arg(info.iterations));
        m_advice->setText(tr("This format, which the phone app reads, is far weaker against a stolen copy. The "
                             "hardened format makes every guess at the password cost %1 MiB of memory and "
                             "much more time; the phone app cannot open it.")
                              .arg(m_hardenedKdf.memoryKiB / 1024));
        m_convert->setText(tr("Upgrade to the Hardened Format"));
    }
    m_keyFileRequired->setText(info.keyFileRequired ? tr("Required besides the password") : tr("None"));
    m_convert->setEnabled(m_session.isWritable() && !(m_hardened && info.keyFileRequired));
    m_password->setEnabled(m_convert->isEnabled());
}

void WalletSecurityDialog::convert()
{
    if (m_converting || !m_convert->isEnabled())
        return;
    // Only a wallet without a key file converts: the phone app's format has none.
    const WalletCredentials credentials{m_password->text(), QByteArray()};
    m_password->clear();
    NewWalletOptions target;
    target.format = m_hardened ? NewWalletOptions::Compatible : NewWalletOptions::Hardened;
    target.kdf = m_hardenedKdf;
    m_outcome->hide();
    setConverting(true);
    m_session.convert(target, credentials);
}

void WalletSecurityDialog::conversionDone(bool converted)
{
    if (!m_converting)
        return;
    setConverting(false);
    if (!m_session.isUnlocked()) {
        QDialog::done(QDialog::Rejected);
        return;
    }
    if (!converted) {
        MessageBox::storeError(this, tr("The wallet could not be converted:"), m_session.lastError());
        return;
    }
    showWallet();
    m_outcome->setText(m_hardened ? tr("Converted to the hardened format. A backup of the wallet as it was is "
                                       "kept (File > Restore From Backup…).")
                                  : tr("Converted to the phone app's format. A backup of the wallet as it was is "
                                       "kept (File > Restore From Backup…)."));
    m_outcome->show();
    // The texts changed length: the dialog grows to fit them rather than clip them.
    adjustSize();
}

void WalletSecurityDialog::setConverting(bool converting)
{
    m_converting = converting;
    m_busy->setVisible(converting);
    m_convert->setEnabled(!converting);
    m_password->setEnabled(!converting);
}

void WalletSecurityDialog::done(int r)
{
    if (!m_converting)
        QDialog::done(r);
}

void WalletSecurityDialog::closeEvent(QCloseEvent *event)
{
    if (m_converting)
        event->ignore();
    else
        QDialog::closeEvent(event);
}
