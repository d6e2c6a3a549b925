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
    // True when the whole file was read and its cards reached the wallet.
    bool importFile();

    // The pending text belongs to the entry being read; text between entries does not matter.
    bool characters(const QString &text) override;

protected:
    ImportLoader(CardDb *store, const QString &path, const char *openFailure);

    // A card the wallet refuses is skipped; the others still go in.
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
};
