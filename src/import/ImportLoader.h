#pragma once

#include "import/ImportEntry.h"
#include "model/XmlEventReader.h"

#include <memory>

class Card;
class CardDb;

// Reads one foreign XML export and adds a login card per entry to a wallet. Each format's loader
// fills the entry being read from its own elements and decides when the cards go in.
class ImportLoader : public XmlEventHandler
{
public:
    // True when the whole file was read and its cards reached the wallet. A write the wallet refuses
    // undoes the whole import; errorString() then says why.
    bool importFile();
    QString errorString() const { return m_error; }

    // The pending text belongs to the entry being read; text between entries does not matter.
    bool characters(const QString &text) override;
    // Once the format is recognised, the entry element starts an entry; before that no element is
    // taken, which stops the read of a file of another kind.
    bool startElement(QStringView qualifiedName, const QXmlStreamAttributes &attributes) override;
    // Inside an entry: the entry element ends it, any other element may fill it.
    bool endElement(QStringView qualifiedName) override;

protected:
    ImportLoader(CardDb *store, const QString &path, const char *openFailure, QLatin1String entryElement);

    // Fills the entry from one of its elements, consuming the pending text where the format says so.
    virtual void takeEntryElement(QStringView name) = 0;
    // The entry has been read completely: the format adds it or keeps it for later.
    virtual void entryEnded() = 0;

    // After a card the wallet refuses nothing more is added, and the import fails as a whole.
    void addCard(const ImportEntry &entry);
    // Empties the texts of the entry being read; its change time stays for the next entry.
    void clearEntryTexts();

    ImportEntry m_entry;
    QString m_text;
    bool m_inEntry = false;
    bool m_formatSeen = false;

private:
    // A new login card with the entry's title, notes, user name, password and address.
    static std::unique_ptr<Card> toCard(const ImportEntry &entry);

    CardDb *const m_store;
    const QString m_path;
    const char *const m_openFailure;
    const QLatin1String m_entryElement;
    QString m_error;
    bool m_writeFailed = false;
};
