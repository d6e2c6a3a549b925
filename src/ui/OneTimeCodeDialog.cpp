#include "ui/OneTimeCodeDialog.h"

#include "otp/TotpSetup.h"
#include "ui_OneTimeCodeDialog.h"

#include <QPushButton>

namespace {

// In the order of the algorithm box.
const QCryptographicHash::Algorithm algorithms[]
    = {QCryptographicHash::Sha1, QCryptographicHash::Sha256, QCryptographicHash::Sha512};

int algorithmIndex(QCryptographicHash::Algorithm algorithm)
{
    return int(std::find(std::begin(algorithms), std::end(algorithms), algorithm) - std::begin(algorithms));
}

} // namespace

OneTimeCodeDialog::OneTimeCodeDialog(const QString &currentUri, const QString &account, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::OneTimeCodeDialog>())
    , m_account(account)
{
    m_ui->setupUi(this);
    m_ui->secretEdit->setText(currentUri);
    showAdvanced(false);
    connect(m_ui->advancedButton, &QToolButton::toggled, this, &OneTimeCodeDialog::showAdvanced);
    connect(m_ui->secretEdit, &QLineEdit::textChanged, this, &OneTimeCodeDialog::validate);
    connect(m_ui->algorithmBox, qOverload<int>(&QComboBox::currentIndexChanged), this, &OneTimeCodeDialog::validate);
    connect(m_ui->digitsBox, qOverload<int>(&QSpinBox::valueChanged), this, &OneTimeCodeDialog::validate);
    connect(m_ui->periodBox, qOverload<int>(&QSpinBox::valueChanged), this, &OneTimeCodeDialog::validate);
    connect(this, &QDialog::accepted, this, &OneTimeCodeDialog::chooseUri);
    validate();
}

OneTimeCodeDialog::~OneTimeCodeDialog() = default;

void OneTimeCodeDialog::showAdvanced(bool shown)
{
    m_ui->advancedBox->setVisible(shown);
    m_ui->advancedButton->setArrowType(shown ? Qt::DownArrow : Qt::RightArrow);
    adjustSize();
}

// A link brings its own settings, shown but not editable; a bare secret takes those of the boxes.
void OneTimeCodeDialog::validate()
{
    const QString text = m_ui->secretEdit->text().trimmed();
    const bool isLink = text.startsWith(QLatin1String("otpauth:"), Qt::CaseInsensitive);
    QString error;
    m_uri.clear();
    if (isLink) {
        if (const auto setup = TotpSetup::parse(text, &error)) {
            const QSignalBlocker blockers[] = {QSignalBlocker(m_ui->algorithmBox), QSignalBlocker(m_ui->digitsBox),
                                               QSignalBlocker(m_ui->periodBox)};
            m_ui->algorithmBox->setCurrentIndex(algorithmIndex(setup->algorithm));
            m_ui->digitsBox->setValue(setup->digits);
            m_ui->periodBox->setValue(setup->period);
            m_uri = text;
        }
    } else if (!text.isEmpty()) {
        TotpSetup setup;
        setup.account = m_account;
        setup.algorithm = algorithms[m_ui->algorithmBox->currentIndex()];
        setup.digits = m_ui->digitsBox->value();
        setup.period = m_ui->periodBox->value();
        if (setup.setSecret(text, &error))
            m_uri = setup.toUri();
    }
    m_ui->advancedBox->setEnabled(!isLink);
    m_ui->messageLabel->setText(error);
    m_ui->messageLabel->setVisible(!error.isEmpty());
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(!m_uri.isEmpty());
}

void OneTimeCodeDialog::chooseUri()
{
    emit chosen(m_uri);
}
