#include "ui/PasswordGeneratorDialog.h"

#include "password/PassphraseGenerator.h"
#include "password/PasswordGenerator.h"
#include "ui_PasswordGeneratorDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QPushButton>
#include <QStyle>

PasswordGeneratorDialog::PasswordGeneratorDialog(Purpose purpose, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::PasswordGeneratorDialog>())
{
    m_ui->setupUi(this);
    m_ui->passwordEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_ui->generateButton->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    if (purpose == ForField) {
        m_ui->buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Use Password"));
    } else {
        m_ui->buttonBox->setStandardButtons(QDialogButtonBox::Close);
    }

    const PasswordGenerator::Options characters;
    const PassphraseGenerator::Options words;
    m_ui->lengthSlider->setRange(PasswordGenerator::minLength, PasswordGenerator::maxLength);
    m_ui->lengthSpin->setRange(PasswordGenerator::minLength, PasswordGenerator::maxLength);
    m_ui->lengthSpin->setValue(characters.length);
    m_ui->lengthSlider->setValue(characters.length);
    m_ui->wordsSpin->setRange(PassphraseGenerator::minWords, PassphraseGenerator::maxWords);
    m_ui->wordsSpin->setValue(words.words);
    m_ui->separatorEdit->setText(words.separator);

    connect(m_ui->lengthSlider, &QSlider::valueChanged, m_ui->lengthSpin, &QSpinBox::setValue);
    connect(m_ui->lengthSpin, qOverload<int>(&QSpinBox::valueChanged), m_ui->lengthSlider, &QSlider::setValue);
    connect(m_ui->lengthSpin, qOverload<int>(&QSpinBox::valueChanged), this, &PasswordGeneratorDialog::generate);
    connect(m_ui->wordsSpin, qOverload<int>(&QSpinBox::valueChanged), this, &PasswordGeneratorDialog::generate);
    for (QCheckBox *box : {m_ui->upperCheck, m_ui->lowerCheck, m_ui->digitsCheck, m_ui->symbolsCheck,
                           m_ui->lookAlikesCheck, m_ui->capitaliseCheck})
        connect(box, &QCheckBox::toggled, this, &PasswordGeneratorDialog::generate);
    connect(m_ui->separatorEdit, &QLineEdit::textChanged, this, &PasswordGeneratorDialog::generate);
    connect(m_ui->kindTabs, &QTabWidget::currentChanged, this, &PasswordGeneratorDialog::generate);
    connect(m_ui->generateButton, &QToolButton::clicked, this, &PasswordGeneratorDialog::generate);
    connect(m_ui->copyButton, &QToolButton::clicked, this, &PasswordGeneratorDialog::copyPassword);
    connect(m_ui->passwordEdit, &QLineEdit::textChanged, m_ui->strengthMeter, &StrengthMeter::setPassword);
    generate();
}

PasswordGeneratorDialog::~PasswordGeneratorDialog() = default;

QString PasswordGeneratorDialog::password() const
{
    return m_ui->passwordEdit->text();
}

void PasswordGeneratorDialog::generate()
{
    QString password;
    double bits = 0;
    if (m_ui->kindTabs->currentWidget() == m_ui->charactersTab) {
        PasswordGenerator::Options options;
        options.length = m_ui->lengthSpin->value();
        options.upper = m_ui->upperCheck->isChecked();
        options.lower = m_ui->lowerCheck->isChecked();
        options.digits = m_ui->digitsCheck->isChecked();
        options.symbols = m_ui->symbolsCheck->isChecked();
        options.excludeLookAlikes = m_ui->lookAlikesCheck->isChecked();
        const PasswordGenerator generator(options);
        password = generator.generate();
        bits = generator.entropyBits();
    } else {
        PassphraseGenerator::Options options;
        options.words = m_ui->wordsSpin->value();
        options.separator = m_ui->separatorEdit->text();
        options.capitalise = m_ui->capitaliseCheck->isChecked();
        const PassphraseGenerator generator(options);
        password = generator.generate();
        bits = generator.entropyBits();
    }
    m_ui->passwordEdit->setText(password);
    m_ui->entropyLabel->setText(password.isEmpty() ? tr("Choose at least one kind of character.")
                                                   : tr("Entropy: %1 bits").arg(qRound(bits)));
    if (QPushButton *use = m_ui->buttonBox->button(QDialogButtonBox::Ok))
        use->setEnabled(!password.isEmpty());
}

void PasswordGeneratorDialog::copyPassword()
{
    emit copyRequested(password(), tr("Password"));
}

void PasswordGeneratorDialog::accept()
{
    QDialog::accept();
    emit passwordChosen(password());
}
