#pragma once

#include "import/ImportEntry.h"
#include "import/ImportSummary.h"
#include "model/XmlEventReader.h"

#include <QSet>

#include <memory>

class Card;
class CardDb;
class TemplateCatalog;

// Reads one foreign XML export and adds a login card per entry to a wallet. Each format's loader
// fills the entry being read from its own elements and decides when the cards go in. An entry
// identical to a card the wallet holds or the import added (same template, title, notes and filled
// values) is left out and counted, so that importing a file again adds nothing; a trashed entry is
// also left out when the trash holds its twin.
class ImportLoader : public XmlEventHandler
{
public:
    ~ImportLoader() override;

    // True when the whole file was read and its cards reached the wallet. A write the wallet refuses
    // undoes the whole import; errorString() then says why.
    bool importFile();
    QString errorString() const { return m_error; }
    ImportSummary summary() const { return m_summary; }

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
    // A new login card with the entry's title, notes, user name, password and address (or a card of
    // the template the entry names), its group in the notes' last line and its other values as extra
    // text fields, whose number goes to extraFields.
    std::unique_ptr<Card> toCard(const ImportEntry &entry, int *extraFields);
    // The entry's card made from the template it names, taking the values its fields map to out of
    // extras; none when the template is unknown.
    std::unique_ptr<Card> fromTemplate(const ImportEntry &entry, QVector<ImportField> &extras, const QDateTime &now);
    QString uuidFor(const ImportEntry &entry);
    bool readExistingCards();

    CardDb *const m_store;
    const QString m_path;
    const char *const m_openFailure;
    const QLatin1String m_entryElement;
    QString m_error;
    QString m_refusal;
    bool m_writeFailed = false;
    ImportSummary m_summary;
    QSet<QString> m_liveCards;
    QSet<QString> m_trashedCards;
    std::unique_ptr<TemplateCatalog> m_catalog;
};
