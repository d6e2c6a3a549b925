#pragma once

#include <QByteArray>
#include <QString>

// The row state a sealed card is bound to, as stored: its uuid, UpdateTime in whole seconds and the trash
// flag. A format that authenticates it refuses a blob moved to another row or a row whose state changed.
struct CardBinding
{
    QString uuid;
    qint64 rowTime = 0;
    bool trashed = false;
};

// The cipher and key that one wallet seals its card texts with. Each file format brings its own; the
// store seals and opens every card blob through this and knows nothing of the cryptography behind it.
class CardSealer
{
public:
    virtual ~CardSealer() = default;

    virtual QByteArray seal(const QByteArray &plain, const CardBinding &row) const = 0;
    // Empty when the blob does not open under this key for this row (wrong key, damaged, truncated or
    // moved data).
    virtual QByteArray open(const QByteArray &blob, const CardBinding &row) const = 0;
    // A copy of the key, so that copies of the wallet reopen without the password.
    virtual QByteArray key() const = 0;
    // Whether a blob must be sealed anew when its row's time or trash flag changes.
    virtual bool bindsRowState() const = 0;
};
