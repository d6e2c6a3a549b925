#pragma once

#include "import/ImportLoader.h"

// Reads a Password Safe XML export, handing every entry over as soon as it has been read.
class PSafeLoader : public ImportLoader
{
public:
    PSafeLoader();

    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;

private:
    void takeEntryElement(QStringView name) override;
    void entryEnded() override;
    QString notesFromExport(const QString &text) const;

    // Written by the export in place of each line break of the notes.
    QString m_delimiter;
};
