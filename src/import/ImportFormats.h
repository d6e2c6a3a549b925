#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ImportReader;
class QIODevice;

// The exports this program imports, by the names tessera-cli and the window use.
namespace ImportFormats {

enum Format {
    KeePassX,
    KeePass,
    PSafe,
    BitwardenJson,
    BitwardenCsv,
    ChromeCsv,
    FirefoxCsv,
    KeePassXcCsv,
    LastPassCsv,
    OnePasswordCsv,
    DashlaneCsv,
    TesseraJson
};

QStringList names();
QString nameOf(Format format);
std::optional<Format> named(const QString &name);
// For people: "Bitwarden (JSON)", "Chrome (CSV)".
QString titleOf(Format format);
// The format the beginning of a file shows: an XML root, a JSON document's members, a CSV header
// row; none when it shows none of them.
std::optional<Format> detect(QIODevice &device);
std::unique_ptr<ImportReader> readerFor(Format format);

} // namespace ImportFormats
