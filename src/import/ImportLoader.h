#pragma once

#include "import/ImportEntry.h"
#include "import/ImportReader.h"
#include "model/XmlEventReader.h"

// Reads one foreign XML export, an entry at a time. Each format's loader fills the entry being read
// from its own elements and decides when the entries go to the writer.
class ImportLoader : public ImportReader, public XmlEventHandler
{
public:
    bool read(QIODevice &device, ImportWriter &writer) override;

    // The pending text belongs to the entry being read; text between entries does not matter.
    bool characters(const QString &text) override;
    // Once the format is recognised, the entry element starts an entry; before that no element is
    // taken, which stops the read of a file of another kind.
    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;
    // Inside an entry: the entry element ends it, any other element may fill it.
    bool endElement(QStringView qualifiedName) override;

protected:
    explicit ImportLoader(QLatin1String entryElement);

    // Fills the entry from one of its elements, consuming the pending text where the format says so.
    virtual void takeEntryElement(QStringView name) = 0;
    // The entry has been read completely: the format adds it or keeps it for later.
    virtual void entryEnded() = 0;

    void addCard(const ImportEntry &entry);
    // Entries left out as copies of others.
    void countDuplicates(int count);
    // The file is of the expected kind but must not be imported: the import fails with this reason.
    void refuse(const QString &reason);
    void clearEntry();

    ImportEntry m_entry;
    QString m_text;
    // The text of the last element outside an entry (group names, settings), for the formats that read them.
    QString m_outerText;
    bool m_inEntry = false;
    bool m_formatSeen = false;

private:
    const QLatin1String m_entryElement;
    QString m_refusal;
    ImportWriter *m_writer = nullptr;
};
