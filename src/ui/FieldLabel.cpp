#include "ui/FieldLabel.h"

#include "model/FieldType.h"
#include "model/SecretText.h"

#include <QUrl>

namespace {
const QChar bullet(0x25CF);
// A long secret shows no more bullets than fit a narrow pane; the bullets hide the value anyway.
constexpr int maxBullets = 16;
} // namespace

FieldLabel::FieldLabel(const QString &value, int fieldType, bool masked, QWidget *parent)
    : FittedLabel(parent)
    , m_value(value)
    , m_masked(masked)
    , m_isUrl(fieldType == FieldType::Url)
    , m_isEmail(fieldType == FieldType::Email)
{
    updateText();
}

// Values come from imports and synced copies too, so a link is made only where the address really is
// a web or mail address; anything else is shown as the plain text it is.
QUrl FieldLabel::linkFor(const QString &value, int fieldType)
{
    QUrl target;
    if (fieldType == FieldType::Url)
        target = QUrl(value.startsWith(QLatin1String("http")) ? value : QStringLiteral("http://") + value);
    else if (fieldType == FieldType::Email)
        target = QUrl(QStringLiteral("mailto:") + value);
    const QString scheme = target.scheme();
    const bool allowed = scheme == QLatin1String("mailto")
        || ((scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !target.host().isEmpty());
    return target.isValid() && allowed && !value.trimmed().isEmpty() ? target : QUrl();
}

QUrl FieldLabel::linkTarget() const
{
    return linkFor(m_value, m_isUrl ? FieldType::Url : m_isEmail ? FieldType::Email : FieldType::Text);
}

void FieldLabel::updateText()
{
    if (m_masked)
        setFittedText(QString(qMin(int(m_value.size()), maxBullets), bullet));
    else
        setFittedText(m_value, linkTarget());
}

void FieldLabel::toggleMask(bool off)
{
    m_masked = !off;
    updateText();
}

void FieldLabel::copyToClipboard()
{
    emit copyRequested(m_value);
}

void FieldLabel::wipe()
{
    FittedLabel::wipe();
    SecretText::wipe(m_value);
}
