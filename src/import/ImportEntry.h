#pragma once

#include <QDateTime>
#include <QString>

// One entry of a foreign export, as far as a login card needs it.
struct ImportEntry
{
    QString title;
    QString username;
    QString password;
    QString notes;
    QString url;
    // An otpauth:// URI, or empty.
    QString otp;
    // Only used to choose among copies of one entry; never copied into the card.
    QDateTime lastModified;
};
