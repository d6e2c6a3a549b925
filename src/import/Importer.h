#pragma once

#include "import/ImportFormats.h"
#include "import/ImportWriter.h"

#include <optional>

class CardDb;

// Imports one export file into a wallet, all or nothing: the file's format is the one given or the
// one its content shows, its reader hands the entries to one writer, and the cards reach the wallet
// in one transaction only when the whole file was read. A preview reads the file the same way and
// writes nothing.
class Importer
{
public:
    explicit Importer(CardDb &store);

    bool importFile(const QString &path, std::optional<ImportFormats::Format> format = std::nullopt);
    bool previewFile(const QString &path, std::optional<ImportFormats::Format> format = std::nullopt);

    // The format read (given or detected); meaningful once a file was opened.
    ImportFormats::Format format() const { return m_format; }
    QString errorString() const { return m_error; }
    ImportSummary summary() const { return m_summary; }
    ImportPreview preview() const { return m_preview; }

private:
    bool run(const QString &path, std::optional<ImportFormats::Format> format, ImportWriter::Mode mode);

    CardDb &m_store;
    ImportFormats::Format m_format = ImportFormats::KeePass;
    QString m_error;
    ImportSummary m_summary;
    ImportPreview m_preview;
};
