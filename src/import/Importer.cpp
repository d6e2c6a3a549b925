#include "import/Importer.h"

#include "import/ImportReader.h"
#include "store/CardDb.h"

#include <QFile>

Importer::Importer(CardDb &store)
    : m_store(store)
{
}

bool Importer::importFile(const QString &path, std::optional<ImportFormats::Format> format)
{
    return run(path, format, ImportWriter::Write);
}

bool Importer::previewFile(const QString &path, std::optional<ImportFormats::Format> format)
{
    return run(path, format, ImportWriter::Preview);
}

bool Importer::run(const QString &path, std::optional<ImportFormats::Format> format, ImportWriter::Mode mode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    if (!format)
        format = ImportFormats::detect(file);
    if (!format) {
        m_error = QStringLiteral("its format cannot be told from its content");
        return false;
    }
    m_format = *format;
    // One commit for the whole import rather than one per card; nothing unless the file was read.
    std::optional<CardDbTransaction> transaction;
    if (mode == ImportWriter::Write)
        transaction.emplace(m_store);
    ImportWriter writer(m_store, mode);
    if ((transaction && !transaction->isActive()) || !writer.start()) {
        m_error = m_store.lastError().message();
        return false;
    }
    const auto reader = ImportFormats::readerFor(*format);
    const bool read = reader->read(file, writer);
    m_summary = writer.summary();
    m_preview = writer.preview();
    if (writer.writeFailed()) {
        m_error = m_store.lastError().message();
        return false;
    }
    if (!read) {
        m_error = reader->errorString();
        return false;
    }
    if (transaction && !transaction->commit()) {
        m_error = m_store.lastError().message();
        return false;
    }
    return true;
}
