#pragma once

#include "store/CardDb.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

// Hands the rows of one scope (every row, the live ones or the trashed ones) to visit in row order;
// false when the rows could not all be read.
using CardSource = std::function<bool(CardDb::ListScope scope, const std::function<bool(const StoredCard &)> &visit)>;

// Writes a wallet's cards, every secret in the clear, for other programs: this program's JSON, a
// KeePass 2 XML export, or CSV. Rows are read from the store one at a time and written at once, so
// memory stays flat however large the wallet is.
class CardExport
{
    Q_DECLARE_TR_FUNCTIONS(CardExport)

public:
    enum Format { Json, KeePassXml, Csv };

    // "json", "keepass" or "csv".
    static std::optional<Format> formatNamed(const QString &name);
    static QStringList formatNames();

    // False with the reason when a page of the wallet is damaged, a card cannot be read or the device
    // refuses a write.
    static bool write(Format format, CardDb &store, QIODevice &device, QString *error);
    // The cards that could be read of a damaged wallet.
    static bool write(Format format, const std::vector<StoredCard> &rows, QIODevice &device, QString *error);
    // Writes a file readable by its owner only, staged beside path and renamed over it when complete;
    // a pipe or a device at path is written into instead.
    static bool writeFile(Format format, CardDb &store, const QString &path, QString *error);

private:
    static bool writeStream(Format format, CardDb &store, const QString &path, QString *error);
    static bool write(Format format, const CardSource &source, QIODevice &device);
};
