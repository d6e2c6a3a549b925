#pragma once

#include "ui/FittedLabel.h"

// The value of one field in the detail pane: masked with bullets while secret, a link for web and
// mail addresses, plain text otherwise, fitted to the pane. Copying always copies the stored value.
class FieldLabel : public FittedLabel
{
    Q_OBJECT

public:
    FieldLabel(const QString &value, int fieldType, bool masked, QWidget *parent = nullptr);

    QString value() const { return m_value; }
    bool isMasked() const { return m_masked; }
    // The address the label links to, or an empty URL when the value is shown as plain text.
    QUrl linkTarget() const;
    // The address a value of that field type links to; empty for other types and for values that
    // are no web or mail address.
    static QUrl linkFor(const QString &value, int fieldType);

signals:
    // The value is to go on the clipboard; the window's clipboard guard takes it there.
    void copyRequested(const QString &value);

public slots:
    void toggleMask(bool off);
    void copyToClipboard();
    // Empties the label and wipes its value (see SecretWidgets).
    void wipe();

private:
    void updateText();

    QString m_value;
    bool m_masked;
    const bool m_isUrl;
    const bool m_isEmail;
};
