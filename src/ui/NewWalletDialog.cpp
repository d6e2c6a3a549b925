#include "ui/NewWalletDialog.h"

#include "password/PasswordStrength.h"
#include "ui/KeyFileField.h"
#include "ui/MessageBox.h"
#include "ui/StrengthMeter.h"
#include "ui_NewWalletDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

NewWalletDialog::NewWalletDialog(const Argon2Settings &kdf, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::NewWalletDialog>())
    , m_kdf(kdf)
    , m_compatible(new QCheckBox(tr("Readable by the phone app (older, weaker protection)"), this))
    , m_keyFile(new KeyFileField(this, KeyFileField::ChooseOrCreate))
{
    m_ui->setupUi(this);
    m_ui->errorLabel->hide();
    m_compatible->setObjectName(QStringLiteral("compatibleCheckBox"));
    m_ui->formLayout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    auto *meter = new StrengthMeter(this);
    meter->setObjectName(QStringLiteral("strengthMeter"));
    m_ui->formLayout->insertRow(1, QString(), meter);
    connect(m_ui->newPasswordEdit, &QLineEdit::textChanged, meter, &StrengthMeter::setPassword);
    m_ui->newPasswordEdit->setFocus();
    m_ui->formLayout->addRow(tr("Key File"), m_keyFile);
    auto *keyFileNote = new QLabel(tr("Optional. A key file is needed with the password at every unlock: keep a "
                                      "copy of it apart from the wallet, as without it the wallet cannot be opened."),
                                   this);
    keyFileNote->setWordWrap(true);
    m_ui->formLayout->addRow(QString(), keyFileNote);
    m_ui->formLayout->addRow(QString(), m_compatible);
    // The phone app's format has no place for a key file.
    connect(m_compatible, &QCheckBox::toggled, m_keyFile, &QWidget::setDisabled);
    connect(m_compatible, &QCheckBox::toggled, keyFileNote, &QWidget::setDisabled);
    // Tall enough for the wrapped note at the dialog's width.
    resize(width() + 100, heightForWidth(width() + 100));
}

NewWalletDialog::~NewWalletDialog() = default;

void NewWalletDialog::done(int r)
{
    if (r != QDialog::Accepted) {
        QDialog::done(r);
        return;
    }
    const QString password = m_ui->newPasswordEdit->text();
    const QString confirmation = m_ui->confirmPasswordEdit->text();
    if (password.isEmpty() || confirmation.isEmpty()) {
        m_ui->errorLabel->setText(tr("Password can not be empty!"));
        m_ui->errorLabel->show();
        return;
    }
    if (password != confirmation) {
        m_ui->errorLabel->setText(tr("Passwords didn't match!"));
        m_ui->errorLabel->show();
        return;
    }
    if (!m_weakPasswordAccepted && PasswordStrength::estimate(password).score() < 3) {
        MessageBox::confirm(this, tr("Weak Password"),
                            tr("This password is easy to guess. Anyone who gets a copy of the wallet can try "
                               "passwords without limit, and the password is all that protects your cards. "
                               "Use it anyway?"),
                            tr("Use Weak Password"), [this, r] {
                                m_weakPasswordAccepted = true;
                                done(r);
                            });
        return;
    }
    QDialog::done(r);
    NewWalletOptions options;
    options.kdf = m_kdf;
    if (m_compatible->isChecked())
        options.format = NewWalletOptions::Compatible;
    emit chosen(password, m_compatible->isChecked() ? QString() : m_keyFile->path(), options);
}
