#pragma once

#include "import/ImportLoader.h"

// Imports a Password Safe XML export. Every entry becomes a card as soon as it has been read, so the
// cards read before a damaged part of the file stay in the wallet.
class PSafeLoader : public ImportLoader
{
public:
    PSafeLoader(CardDb *store, const QString &path);

    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;

private:
    void takeEntryElement(QStringView name) override;
    void entryEnded() override;
    QString notesFromExport(const QString &text) const;

    // Written by the export in place of each line break of the notes.
    QString m_delimiter;
};
