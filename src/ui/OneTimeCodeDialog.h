#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class OneTimeCodeDialog;
}

// Card > Set Up One-Time Code: takes the secret key a site shows (Base32) or its otpauth:// link and
// says what is wrong with it while it is typed. The algorithm, digits and period, which few sites
// change, are folded away; a pasted link brings its own.
class OneTimeCodeDialog : public QDialog
{
    Q_OBJECT

public:
    // The card's current link, if any, is shown for editing; a new one is named after the account.
    OneTimeCodeDialog(const QString &currentUri, const QString &account, QWidget *parent = nullptr);
    ~OneTimeCodeDialog() override;

    // The otpauth://totp/ link to store, or an empty text while what was typed makes no code.
    QString uri() const { return m_uri; }

signals:
    void chosen(const QString &uri);

private:
    void validate();
    void showAdvanced(bool shown);
    void chooseUri();

    const std::unique_ptr<Ui::OneTimeCodeDialog> m_ui;
    const QString m_account;
    QString m_uri;
};
