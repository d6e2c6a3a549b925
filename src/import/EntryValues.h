#pragma once

#include "import/ImportEntry.h"

#include <QStringList>

// Puts values of an export into an entry the same way for every format.
namespace EntryValues {

// An otpauth URI that makes codes, or a Base32 secret, becomes the entry's one-time code; anything
// else is kept as a sensitive extra field under the label.
void setOtp(ImportEntry &entry, const QString &label, const QString &text);
// The first address is the entry's, every further one an extra field "URL 2", "URL 3", ...
void setUrls(ImportEntry &entry, const QStringList &urls);
// A value that is not empty becomes an extra field, sensitive too when its label names a secret.
void keep(ImportEntry &entry, const QString &label, const QString &value, bool sensitive = false);
// Times as the exports write them: ISO 8601, or seconds or milliseconds since 1970.
QDateTime timeFrom(const QString &text);

} // namespace EntryValues
