#pragma once

#include <QString>

class ImportWriter;
class QIODevice;

// Reads one kind of export and hands every entry (and every row it cannot use) to a writer, which
// makes the cards. The reader knows the file's shape; the writer knows the wallet.
class ImportReader
{
public:
    virtual ~ImportReader() = default;

    // False when the file is not a complete export of the reader's kind; errorString() says why.
    virtual bool read(QIODevice &device, ImportWriter &writer) = 0;
    QString errorString() const { return m_error; }

protected:
    bool fail(const QString &error)
    {
        m_error = error;
        return false;
    }

    QString m_error;
};
