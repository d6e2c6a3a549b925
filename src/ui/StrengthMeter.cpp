#include "ui/StrengthMeter.h"

#include "password/PasswordStrength.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

StrengthMeter::StrengthMeter(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QProgressBar(this))
    , m_label(new QLabel(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    // One step more than the scores, so that even the weakest password shows a sliver of red.
    m_bar->setRange(0, PasswordStrength::maxScore + 1);
    m_bar->setTextVisible(false);
    m_bar->setMaximumHeight(6);
    m_bar->setFixedWidth(120);
    layout->addWidget(m_bar);
    layout->addWidget(m_label, 1);
    setPassword(QString());
}

void StrengthMeter::setPassword(const QString &password)
{
    static const char *const colours[] = {"#c62828", "#ef6c00", "#f9a825", "#7cb342", "#2e7d32"};
    const PasswordStrength strength = PasswordStrength::estimate(password);
    const bool empty = password.isEmpty();
    m_bar->setValue(empty ? 0 : strength.score() + 1);
    m_bar->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid #999; border-radius: 2px; }"
                                        "QProgressBar::chunk { background-color: %1; }")
                             .arg(QLatin1String(colours[strength.score()])));
    m_label->setText(empty ? QString() : strength.scoreName());
    setToolTip(empty ? QString()
                     : tr("zxcvbn estimates about %1 bits: the patterns and words it finds make the password "
                          "easier to guess than its length suggests.")
                           .arg(qRound(strength.entropyBits())));
}
